#include "PanelRegistry.h"

#include "frmPhrases.h"
#include "frmRhymes.h"
#include "frmRoundex.h"
#include "frmThesaurus.h"

void RegisterLookupPanels()
{
    TfrmRhymes::Register();
    TfrmPhrases::Register();
    TfrmRoundex::Register();
    TfrmThesaurus::Register();
}
