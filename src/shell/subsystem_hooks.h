// Connects the library-free subsystems to the machine: shot sounds, frames and
// the live pointer go through the platform table, floor loads redraw the map
// background.
#pragma once

void connectSubsystems();
