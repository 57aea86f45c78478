#pragma once

#include "files/wordfile.h"

#include <QString>

// Why a list was not saved, as the save routine shows it: the broken rule,
// its limit and the word that breaks it.
QString writeProblemText(const WriteProblem &problem);
