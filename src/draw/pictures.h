// The pictures loaded once at start-up, named by their files, and the back
// buffer every frame is composed in. Owned by start-up until shutdown.
#pragma once

struct BITMAP;

extern BITMAP* backBuffer;
extern BITMAP* mapBackground; // tiles.bmp: the canvas of the floor's static picture
extern BITMAP* wallBmp;
extern BITMAP* wall2Bmp;
extern BITMAP* playerBmp;
extern BITMAP* player2Bmp;
extern BITMAP* targetBmp;
extern BITMAP* motionBmp;
extern BITMAP* nowalkBmp;
extern BITMAP* waitBmp;
extern BITMAP* medkitBmp;
extern BITMAP* mainBmp;
extern BITMAP* instructBmp;
extern BITMAP* doorBmp;
extern BITMAP* diamondBmp;
