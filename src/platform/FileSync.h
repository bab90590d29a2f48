#pragma once

#include <QString>

// Asks the system to put what was written through `handle` on the disk itself. Empty when it
// did; otherwise the system's reason. A full or failing disk often says so only here.
QString SyncToDisk(int handle);
