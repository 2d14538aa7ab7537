#include "FichesCastiflore.h"

#include "AccueilCastiflore.h"
#include "Bilans.h"
#include "BilansCastiflore.h"
#include "ChoixNbItems.h"
#include "MessagePerso.h"
#include "MotDePasse.h"
#include "MsgOuiNonPerso.h"
#include "NouvelEleve.h"
#include "Parametrage.h"
#include "Quitter.h"
#include "ReglesAccueil.h"
#include "ReglesBilans.h"
#include "Unit1Castiflore.h"
#include "Unit2.h"
#include "copieecran.h"

FichesCastiflore::FichesCastiflore(const QStringList& arguments)
{
    // The shared welcome screen and results window take the dictation's rules.
    castiflore::installerAccueilCastiflore();
    castiflore::installerBilansCastiflore();
    fiches_.emplace_back(new castiflore::TForm1(arguments));
    fiches_.emplace_back(new TForm2);
    fiches_.emplace_back(new TCPEcr);
    fiches_.emplace_back(new TfChoixNbItems);
    fiches_.emplace_back(new TfQuitter);
    fiches_.emplace_back(new TfMessagePerso);
    fiches_.emplace_back(new TfBilans);
    fiches_.emplace_back(new TfNouvelEleve);
    fiches_.emplace_back(new TfMotDePasse);
    fiches_.emplace_back(new TfMsgOuiNonPerso);
    fiches_.emplace_back(new TfParametrage);
}

FichesCastiflore::~FichesCastiflore()
{
    // The other forms go before the main window, as they were created after it.
    while (!fiches_.empty())
        fiches_.pop_back();
    definirReglesAccueil(nullptr);
    definirReglesBilans(nullptr);
}
