#pragma once

// Registers every lookup panel class with the panel factory (TDictFrame::Create). Call once
// before creating panels by class name; calling again does no harm.
void RegisterLookupPanels();
