#include "draw/pictures.h"

BITMAP* backBuffer = nullptr;
BITMAP* mapBackground = nullptr;
BITMAP* wallBmp = nullptr;
BITMAP* wall2Bmp = nullptr;
BITMAP* playerBmp = nullptr;
BITMAP* player2Bmp = nullptr;
BITMAP* targetBmp = nullptr;
BITMAP* motionBmp = nullptr;
BITMAP* nowalkBmp = nullptr;
BITMAP* waitBmp = nullptr;
BITMAP* medkitBmp = nullptr;
BITMAP* mainBmp = nullptr;
BITMAP* instructBmp = nullptr;
BITMAP* doorBmp = nullptr;
BITMAP* diamondBmp = nullptr;
