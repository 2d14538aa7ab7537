#include "Fiches.h"

#include "AjoutItems.h"
#include "Bilans.h"
#include "ChoixNbItems.h"
#include "ChoixTypeImpression.h"
#include "ImpressionExo.h"
#include "ImpressionPersos.h"
#include "ImpressionReussites.h"
#include "MessagePerso.h"
#include "MotDePasse.h"
#include "MsgOuiNonPerso.h"
#include "NouvelEleve.h"
#include "Parametrage.h"
#include "Quitter.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Validation.h"
#include "copieecran.h"

FichesOmbrivelle::FichesOmbrivelle(const QStringList& arguments)
{
    fiches_.emplace_back(new TForm1(arguments));
    fiches_.emplace_back(new TForm2);
    fiches_.emplace_back(new TCPEcr);
    fiches_.emplace_back(new TfChoixNbItems);
    fiches_.emplace_back(new TfQuitter);
    fiches_.emplace_back(new TfMsgOuiNonPerso);
    fiches_.emplace_back(new TfBilans);
    fiches_.emplace_back(new TfNouvelEleve);
    fiches_.emplace_back(new TfMotDePasse);
    fiches_.emplace_back(new TfMessagePerso);
    fiches_.emplace_back(new TfValidation);
    fiches_.emplace_back(new TfParametrage);
    fiches_.emplace_back(new TfImpression);
    fiches_.emplace_back(new TfImpressionExo);
    fiches_.emplace_back(new TfImpressionReussites);
    fiches_.emplace_back(new TfChoixTypeImpression);
    fiches_.emplace_back(new TfAjoutItems);
    fiches_.emplace_back(new TformAide);
}

FichesOmbrivelle::~FichesOmbrivelle()
{
    // The other forms go before the main window, as they were created after it.
    while (!fiches_.empty())
        fiches_.pop_back();
}
