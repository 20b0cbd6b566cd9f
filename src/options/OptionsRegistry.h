#pragma once

#include "OptionsFrame.h"

#include <vector>

// Creates one page of the Options dialog.
using TOptionsPageClass = TOptionsFrame *(*)(const TOptionsContext &context);

// The pages every showing of the dialog creates, in order.
const std::vector<TOptionsPageClass> &OptionsPages();
void RegisterOptionsPage(TOptionsPageClass pageClass);
// Fills the list with the program's pages, anew; the UI font page only while the settings allow
// a UI font.
void RegisterOptionsPages();
