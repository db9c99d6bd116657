#pragma once

class Session;

// The start-up of a run up to the main window: the period dialog, the recording and
// provisioning of the period, the stores and the employer values. False when the program
// must end (cancelled, or a failure already shown).
bool openPayrollPeriod(Session& session);
