#include "PanelRegistry.h"

#include "frmCombined.h"
#include "frmPhrases.h"
#include "frmRhymeLines.h"
#include "frmRhymes.h"
#include "frmRoundex.h"
#include "frmThesaurus.h"

void RegisterLookupPanels()
{
    TfrmRhymes::Register();
    TfrmPhrases::Register();
    TfrmRoundex::Register();
    TfrmThesaurus::Register();
    TfrmRhymeLines::Register();
    TfrmCombinedSimple::Register();
}
