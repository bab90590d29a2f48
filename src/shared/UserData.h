#pragma once

#include <QString>

class Folders;

// The folder whose files the program reads and writes as its own (the language table, help
// pages, Teams/, Sponsors/, Sounds/): the program folder when it can be written and holds the
// data (a build folder, a copy on a USB stick); for an installed program (its data in
// ../share/brivanta) or a read-only one, the user's data folder, filled from the shipped data
// first.
QString ProgramFolder(const Folders& folders);

// Documents/Brivanta when its Teams/Home holds a file, else the program folder (for an
// installed program, the user's data folder).
QString DecideDataFolder(const Folders& folders, const QString& programFolder);

// Where the shipped data is: beside the program, or in ../share/brivanta for an installed one.
QString SentFolder(const QString& program);

// Copies into `user` every shipped file it never received; a file received once and then
// deleted or edited by the user is left as the user left it. The language table is merged by
// key: rows the user lacks are added, the user's own rows win. False when the folder cannot be
// written.
bool SeedUserData(const QString& sent, const QString& user);
