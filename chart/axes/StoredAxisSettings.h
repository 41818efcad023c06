#pragma once

class TCustomAxisPanel;

// The axis settings of the program's stored chart design.
void ApplyStoredAxisSettings(TCustomAxisPanel& Chart);
