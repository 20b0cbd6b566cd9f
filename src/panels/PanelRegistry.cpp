#include "PanelRegistry.h"

#include "frmCombined.h"
#include "frmNearRhymes.h"
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
    TfrmNearRhymes::Register();
    TfrmThesaurus::Register();
    TfrmRhymeLines::Register();
    TfrmCombinedSimple::Register();
}
