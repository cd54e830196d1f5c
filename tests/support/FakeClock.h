#pragma once
// The clock that the programs a test starts will see. Works for tests registered with
// FAKETIME (libfaketime reads the file named by PILO_FAKETIME_FILE at every call);
// the test program itself sees the same clock.

// True when this test run can set the clock.
bool FakeClockAvailable();
// Programs started from now on see this local date and time, running on from there.
void SetFakeDate(int year, int month, int day, int hour = 8, int minute = 0);
// Back to the real clock.
void ResetFakeClock();
