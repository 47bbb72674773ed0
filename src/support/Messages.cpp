#include "support/Messages.h"

#include <array>

namespace {

// One row per message number: its text in the base language (Dutch) and in the French and English
// ranges, which sit 1000 and 3000 ids higher. Texts are cp1252, their accented letters written as octal
// escapes (which end after three digits, unlike hexadecimal ones); a line feed is a real line break.
struct TMessageRow {
    int number = 0;
    std::string_view dutch;
    std::string_view french;
    std::string_view english;
};

constexpr int kFrenchOffset = 1000;
constexpr int kEnglishOffset = 3000;

constexpr TMessageRow kMessages[] = {
    // General messages.
    {10000, "De hulpbronnen zijn in gebruik door een ander programma",
     "Les ressources sont utilis\351es par un autre programme", "The resources are in use by another program"},
    {10001, "Fout bij het openen van de database |", "Erreur \340 l'ouverture de la base de donn\351es |",
     "Error opening the database |"},
    {10002, "De database | is vergrendeld door een andere gebruiker",
     "La base de donn\351es | est verrouill\351e par un autre utilisateur", "The database | is locked by another user"},
    {10003, "Bestand | niet gevonden", "Fichier | introuvable", "File | not found"},
    {10004, "Bestand | kan niet worden geopend", "Impossible d'ouvrir le fichier |", "File | cannot be opened"},
    {10005, "Bestand | kan niet worden geschreven", "Impossible d'\351crire le fichier |", "File | cannot be written"},
    {10006, "Bestand | kan niet worden verwijderd", "Impossible de supprimer le fichier |", "File | cannot be deleted"},
    {10007, "Map | niet gevonden", "Dossier | introuvable", "Folder | not found"},
    {10008, "Map | kan niet worden aangemaakt", "Impossible de cr\351er le dossier |", "Folder | cannot be created"},
    {10009, "De programma-opties zijn gewijzigd.\nStart het programma opnieuw om ze toe te passen.",
     "Les options du programme ont chang\351.\nRed\351marrez le programme pour les appliquer.",
     "The program options have changed.\nRestart the program to apply them."},
    {10010, "Plaats de schijf in station |", "Ins\351rez le disque dans le lecteur |", "Insert the disk in drive |"},
    {10011, "De schijf in station | is vol", "Le disque du lecteur | est plein", "The disk in drive | is full"},
    {10012, "Geef uw wachtwoord", "Entrez votre mot de passe", "Enter your password"},
    {10013, "Verkeerd wachtwoord; nog @ pogingen", "Mot de passe incorrect ; encore @ essais",
     "Wrong password; @ attempts left"},
    {10014, "De HTML-pagina | bevat geen tekst", "La page HTML | ne contient pas de texte",
     "The HTML page | holds no text"},
    {10015, "De helptekst voor deze pagina ontbreekt", "Le texte d'aide de cette page est absent",
     "The help text for this page is missing"},
    {10016, "Het PDF-weergaveprogramma kan niet worden gestart", "Impossible de d\351marrer le visionneur PDF",
     "The PDF viewer cannot be started"},
    {10017, "Het PDF-bestand | nu openen?", "Ouvrir maintenant le fichier PDF | ?", "Open the PDF file | now?"},
    {10018, "Het PDF-bestand | per e-mail versturen?", "Envoyer le fichier PDF | par courrier \351lectronique ?",
     "Send the PDF file | by e-mail?"},
    {10019, "Het e-mailprogramma kan niet worden gestart", "Impossible de d\351marrer le programme de messagerie",
     "The e-mail program cannot be started"},
    {10020, "Tip van de dag", "Astuce du jour", "Tip of the day"},
    {10021, "Tips tonen bij het opstarten", "Afficher les astuces au d\351marrage", "Show tips at start-up"},
    {10022, "Dit is een nieuwe versie van het programma. De instellingen van de vorige versie zijn overgenomen.",
     "Ceci est une nouvelle version du programme. Les param\350tres de la version pr\351c\351dente ont "
     "\351t\351 repris.",
     "This is a new version of the program. The settings of the previous version have been taken over."},
    {10023, "De instellingen van de vorige versie konden niet worden overgenomen",
     "Les param\350tres de la version pr\351c\351dente n'ont pas pu \352tre repris",
     "The settings of the previous version could not be taken over"},
    {10024, "Instellingen", "Param\350tres", "Settings"},
    {10025, "Wijzigingen opslaan?", "Enregistrer les modifications ?", "Save the changes?"},
    {10026, "| verwijderen?", "Supprimer | ?", "Delete |?"},
    {10027, "Functie niet aanwezig in deze versie van de Windowsshell",
     "Fonction non pr\351sente dans cette version de Windowsshell",
     "Operation not supported in this version of the shell"},
    {10028, "Weet u het zeker?", "\312tes-vous s\373r ?", "Are you sure?"},
    {10029, "Het bestaande bestand | overschrijven?", "Remplacer le fichier existant | ?",
     "Overwrite the existing file |?"},
    {10030, "Kies een bestand", "Choisissez un fichier", "Select a file"},
    {10031, "Kies een map", "Choisissez un dossier", "Select a folder"},
    {10032, "Kies minstens \351\351n item", "Choisissez au moins un \351l\351ment", "Select at least one item"},
    {10033, "Rapport wordt aangemaakt...", "G\351n\351ration du rapport...", "Generating the report..."},
    {10034, "Het rapport telt @ pagina's", "Le rapport compte @ pages", "The report has @ pages"},
    {10035, "Bibliotheek | kan niet worden geladen", "Impossible de charger la biblioth\350que |",
     "Library | cannot be loaded"},
    {10060, "De HTML-tabel is misvormd: |", "Le tableau HTML est mal form\351 : |", "The HTML table is malformed: |"},
    {10061, "De HTML-tabel heeft meer dan @ kolommen", "Le tableau HTML a plus de @ colonnes",
     "The HTML table has more than @ columns"},
    // Report output.
    {10500, "Het rapport | bestaat niet", "Le rapport | n'existe pas", "The report | does not exist"},
    {10501, "Uitvoer naar het scherm", "Sortie \340 l'\351cran", "Output to the screen"},
    {10502, "Dump naar bestand |", "Vidage dans le fichier |", "Dump to file |"},
    {10503, "Het weergaveprogramma | is niet gevonden", "Le visionneur | est introuvable",
     "The viewer program | was not found"},
    {10504, "Het rapport afdrukken op printer |?", "Imprimer le rapport sur l'imprimante | ?",
     "Print the report on printer |?"},
    {10505, "Het PDF-bestand | is aangemaakt", "Le fichier PDF | a \351t\351 cr\351\351",
     "The PDF file | has been created"},
    // Dialog buttons: Yes, No, Cancel, OK, Stop.
    {20000, "Ja", ", Oui", "Yes"},
    {20001, "Nee", ", Non", "No"},
    {20002, "Annuleren", ", Annuler", "Cancel"},
    {20003, "OK", "OK", "OK"},
    {20004, "Stop", "Stop", "Stop"},
    // Device names.
    {20010, "LPT1", "LPT1", "LPT1"},
    {20011, "LPT2", "LPT2", "LPT2"},
    {20012, "LPT3", "LPT3", "LPT3"},
    {20013, "COM1", "COM1", "COM1"},
    {20014, "COM2", "COM2", "COM2"},
    {20015, "NUL", "NUL", "NUL"},
    // Output destinations, page orientations and printing words.
    {20020, "Scherm", "\311cran", "Screen"},
    {20021, "Printer", "Imprimante", "Printer"},
    {20022, "Debug", "D\351bogage", "Debug"},
    {20023, "Staand", "Portrait", "Portrait"},
    {20024, "Liggend", "Paysage", "Landscape"},
    {20025, "Afdrukvoorbeeld", "Aper\347u", "Preview"},
    {20026, "Afdrukken", "Imprimer", "Print"},
    {20027, "Pagina", "Page", "Page"},
    {20028, "van", "de", "of"},
    {20029, "Exemplaren", "Exemplaires", "Copies"},
    {20030, "Bestand", "Fichier", "File"},
    {20031, "Printerinstelling", "Configuration de l'imprimante", "Printer setup"},
    {20032, "Eerste pagina", "Premi\350re page", "First page"},
    {20033, "Volgende pagina", "Page suivante", "Next page"},
    {20034, "Vorige pagina", "Page pr\351c\351dente", "Previous page"},
    // Password prompts.
    {20040, "Wachtwoord", "Mot de passe", "Password"},
    {20041, "Nieuw wachtwoord", "Nouveau mot de passe", "New password"},
    {20042, "Wachtwoord bevestigen", "Confirmez le mot de passe", "Verify the password"},
    // File-type filters of open dialogs.
    {20100, "Programma's (*.exe)", "Programmes (*.exe)", "Programs (*.exe)"},
    {20101, "Alle bestanden (*.*)", "Tous les fichiers (*.*)", "All files (*.*)"},
    {20102, "Rapportbestanden (*.rpt)", "Fichiers de rapport (*.rpt)", "Report files (*.rpt)"},
};

// The program's own texts exist in the base range only.
constexpr std::array<std::string_view, 3> kSystemTexts = {"", "Save the results under the name of ", "<nothing>"};

}  // namespace

std::string_view CatalogueText(std::int64_t id) {
    if (id >= 0 && id < static_cast<std::int64_t>(kSystemTexts.size())) {
        return kSystemTexts[static_cast<std::size_t>(id)];
    }
    for (const TMessageRow& row : kMessages) {
        if (id == row.number)
            return row.dutch;
        if (id == row.number + kFrenchOffset)
            return row.french;
        if (id == row.number + kEnglishOffset)
            return row.english;
    }
    return {};
}
