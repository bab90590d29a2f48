#pragma once

// Registers the shipped fonts the windows are designed with, where the system lacks them.
void RegisterShippedFonts();
