// Connects the library-free subsystems to the machine: shot sounds and frames
// go through the platform table, floor loads redraw the map background.
#pragma once

void connectSubsystems();
