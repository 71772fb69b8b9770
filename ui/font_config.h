#pragma once

// Reads the system's font configuration ahead of Qt, on a thread of its own
// (see startFontSetUp). Each system has its own source file of it.
void loadFontConfiguration();
