#pragma once

class TRegistry;

// Reads the current configuration into the main window (through Form1) and
// the working state. The accessor must have no key open; errors end the
// load at their step and pass to the caller.
void LoadSettings(TRegistry& registry);
