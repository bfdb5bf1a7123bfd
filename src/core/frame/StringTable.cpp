#include "core/frame/StringTable.h"

#include <array>

namespace Quillwright {

namespace StringTable {
namespace {

struct Entry {
    int id;
    const char16_t* neutral;
    const char16_t* french;
};

constexpr std::array<Entry, 72> Entries = {{
    {1000, u"&File", u"&Fichier"},
    {1001, u"&New", u"&Nouveau"},
    {1002, u"&Open...", u"&Ouvrir..."},
    {1003, u"&Close", u"&Fermer"},
    {1004, u"&Save", u"&Sauvegarder"},
    {1005, u"Save &As...", u"Sauvegarder sous..."},
    {1006, u"Save A&ll", u"Sauvegarder tout"},
    {1007, u"Propert&ies", u"Propriétés"},
    {1008, u"Page Set&up...", u"Imprimante..."},
    {1009, u"Print Pre&view", u"Imprimer Prévisualisation"},
    {1010, u"&Print...", u"Imprimer..."},
    {1011, u"Sen&d...", u"Envoyer..."},
    {1012, u"E&xit", u"&Quitter"},
    {1013, u"&Edit", u"&Editer"},
    {1014, u"&Undo", u"&Annuler"},
    {1015, u"Cu&t", u"&Couper"},
    {1016, u"&Copy", u"Copier"},
    {1017, u"&Paste", u"Coller"},
    {1018, u"Paste &Special...", u"Collage Spécial"},
    {1019, u"&View", u"Affichage"},
    {1020, u"&Toolbar", u"Barre d'Outils"},
    {1021, u"Status &Bar", u"Barre de Statut"},
    {1022, u"&Refresh", u"Rafraîchir"},
    {1023, u"&Options...", u"Options..."},
    {1024, u"&Web Browser", u"Navigateur Web"},
    {1025, u"&Tools", u"Outils"},
    {1026, u"&Options...", u"Options..."},
    {1027, u"&Window", u"Fenêtres"},
    {1028, u"&New Window", u"Nouvelle fenêtre"},
    {1029, u"&Cascade", u"Cascade"},
    {1030, u"Tile &Horizontal", u"Aligner Horizontalement"},
    {1031, u"Tile &Vertical", u"Aligner Verticalement"},
    {1032, u"&Arrange Icons", u"Ranger les Icones"},
    {1033, u"&Help", u"Aide"},
    {1034, u"&Contents", u"Contenu"},
    {1035, u"&Search For Help On...", u"Rechercher..."},
    {1036, u"&About ", u"A propos"},
    {1037, u"New", u"Nouveau"},
    {1038, u"Open", u"Ouvrir"},
    {1039, u"Save", u"Sauvegarder"},
    {1040, u"Print", u"Imprimer"},
    {1041, u"Cut", u"Couper"},
    {1042, u"Copy", u"Copier"},
    {1043, u"Paste", u"Coller"},
    {1044, u"Find", u"Rechercher"},
    {1045, u"Copyright © 2026 the Quillwright developers",
     u"Copyright © 2026 les développeurs de Quillwright"},
    {1046, u"Company", u"Compagnie"},
    {1047, u"Warning", u"Attention"},
    {1048, u"Version", u"Version"},
    {1049, u"Platform", u"Plateforme"},
    {1050, u"CompanyProduct", u"Compagnie du produit"},
    {1051, u"Product", u"Produit"},
    {1052, u"All rights reserved", u"Tous droits réservés"},
    {1053, u"Options", u"Options"},
    {1054, u"Sample 1", u"Exemple 1"},
    {1055, u"Sample 2", u"Exemple 2"},
    {1056, u"Sample 3", u"Exemple 3"},
    {1057, u"Sample 4", u"Exemple 4"},
    {1058, u"&Apply", u"Appliquer"},
    {1059, u"Cancel", u"Annuler"},
    {1060, u"OK", u"OK"},
    {1061, u"Back", u"Précédente"},
    {1062, u"Forward", u"Suivante"},
    {1063, u"Stop", u"Arrêter"},
    {1064, u"Refresh", u"Rafraîchir"},
    {1065, u"Home", u"Accueil"},
    {1066, u"Search", u"Rechercher"},
    {1067, u"&Address:", u"Adresse:"},
    {1068, u"Insert a new command", u"Insérer nouvelle commande"},
    {1069, u"Insert custom text", u"Insérer texte personnalisé"},
    {1070, u"Select text/file from a list", u"Sélectionner texte/fichier à partir d'une liste"},
    {1071, u"Publish", u"Publish"},
}};

std::optional<Language> g_override;

} // namespace

std::optional<QString> text(int id, Language language)
{
    if (id < Entries.front().id || id > Entries.back().id)
        return std::nullopt;
    const Entry& e = Entries[size_t(id - Entries.front().id)];
    return QString::fromUtf16(language == Language::French ? e.french : e.neutral);
}

std::optional<QString> text(int id)
{
    return text(id, currentLanguage());
}

Language languageFor(const QLocale& locale)
{
    return locale.language() == QLocale::French ? Language::French : Language::Neutral;
}

Language currentLanguage()
{
    if (g_override)
        return *g_override;
    // The user interface language, which LANGUAGE can set apart from LANG.
    const QStringList ui = QLocale::system().uiLanguages();
    return languageFor(ui.isEmpty() ? QLocale::system() : QLocale(ui.first()));
}

void overrideLanguage(std::optional<Language> language)
{
    g_override = language;
}

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < -32768 || value > 32767)
        return std::nullopt;
    return value;
}

int leadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    long long value = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9' && value < 100000000) {
        value = value * 10 + (text[i].unicode() - u'0');
        ++i;
    }
    return int(value);
}

} // namespace StringTable

} // namespace Quillwright
