#pragma once

class Session;

// When the main window first shows: what opening the store found (a damaged
// one set aside), then each recovery copy of a run that has ended, newest
// first: "Ja" appends its pairs to the list (as many as fit; the rest stay
// in the copy for the next start) and the copy becomes this run's, "Nej"
// removes it.
void offerRecoveredPairs(Session &session);
