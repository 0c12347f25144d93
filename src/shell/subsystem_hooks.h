// The subsystems' up-calls into the machine and the drawing: shot sounds,
// frames and the live pointer go through the platform table, floor loads
// redraw the map background. installPlatform connects them with every table;
// a fixture that keeps the table in use connects them here.
#pragma once

void connectSubsystems();
