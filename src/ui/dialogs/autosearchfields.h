#pragma once

class QCheckBox;
class QSpinBox;

// The automatic-search settings where the search dialog and the wizard show
// them: on or off, the interval in minutes, and the answer an automatic search
// gives itself when inverters share a bus address (it never asks).
struct AutoSearchFields
{
    QCheckBox *enabled;
    QSpinBox *minutes;
    QCheckBox *changeIds;

    // From app.ini: on only when auto_search is 1; an absent interval shows 0.
    void load() const;
    void store() const;
};
