#pragma once

class CombatSheet;

// Makes `to` a copy of `from`: every control's value, text, tool tip and state, and every
// form-level value that a handler reads. No control of `to` raises a notification while it is
// copied, so none of its handlers runs; afterwards its handlers answer to the copied state as they
// would on `from`. The two sheets share nothing once the copy is done.
void copySheet(const CombatSheet& from, CombatSheet& to);
