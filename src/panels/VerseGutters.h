#pragma once

// The verse editor's gutters as the main window and the options dialog reach them.
class TVerseGutters
{
public:
    virtual ~TVerseGutters() = default;
    // Shows or hides the meter gutter (the "Meter" view action).
    virtual void SetMeterVisible(bool visible) = 0;
    // Shows or hides the poem's own rhyme letters (the "Rhyme scheme" view action).
    virtual void SetRhymeSchemeVisible(bool /*visible*/) {}
    // Reads Editor/SyllablesFromDictionary again and repaints the counts and the form's marks.
    virtual void ApplySyllableSettings() = 0;
};
