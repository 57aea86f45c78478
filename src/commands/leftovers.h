#pragma once

class Session;

// At the start: for each backup that a save killed while writing a file in
// place left, says which file it was writing and whether that file now reads
// whole, and offers to put the old version back. Answered once: the backup
// is removed either way (kept only where putting it back failed).
void offerLeftoverBackups(Session &session);
