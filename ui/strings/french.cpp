// French. A no-break space (\u00A0) stands before ? ! : as French typography
// wants, so that the sign never starts a line on its own.
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"Lancer Zanvo Archiver maintenant"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"Choisissez ce que Zanvo Archiver peut modifier dans vos navigateurs web. Vous pourrez changer ces "
     L"réglages plus tard."},
    {L"IDC_LINK_TOOLBAR_PP", L"Politique de confidentialité"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"Désinstallation de Zanvo Archiver"},
    {L"IDC_CB_ACCEPT_LICENSE", L"J’&accepte les termes du contrat de licence"},
    {L"IDC_LINK_DECLINE", L"Refuser"},
    {L"IDC_BUTTON_NEXT", L"Installer >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"Le dossier sélectionné n’est pas vide. Les fichiers qu’il contient pourraient être remplacés. "
     L"Voulez-vous continuer\u00A0?"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"Installation terminée"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"&Parcourir..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"Progression globale"},
    {L"IDC_RADIO_REBOOT_LATER", L"Je redémarrerai l’ordinateur moi-même plus tard"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"Votre ordinateur doit être redémarré pour terminer l’installation de Zanvo Archiver. Voulez-vous le "
     L"redémarrer maintenant\u00A0?"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"Espace disponible\u00A0: %0.1f\u00A0Go"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"Installation par &défaut (recommandée)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"Utiliser Zanvo Search comme moteur de recherche par défaut"},
    {L"IDC_RADIO_REBOOT_NOW", L"Redémarrer maintenant"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"Choix de la langue"},
    {L"IDC_BUTTON_BACK", L"< &Précédent"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"Espace requis\u00A0: %0.1f\u00A0Mo"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"Merci d’avoir choisi Zanvo Archiver\u00A0!"},
    {L"IDC_BUTTON_CANCEL", L"&Annuler"},
    {L"ABORT_CONFIRMATION", L"Voulez-vous vraiment quitter l’installation de Zanvo Archiver\u00A0?"},
    {L"IDC_GRB_DESTINATION", L"Dossier de destination"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"Tirez le meilleur parti de votre navigateur web"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"Le programme d’installation va installer Zanvo Archiver dans le dossier suivant."},
    {L"IDC_BUTTON_FINISH", L"&Terminer"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"Cliquez sur Installer pour commencer l’installation."},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION",
     L"Pour installer le logiciel ailleurs, cliquez sur Parcourir et choisissez un autre dossier."},
    {L"IDC_BUTTON_AGREE", L"J’&accepte"},
    {L"IDC_LINK_TOOLBAR_EULA", L"Contrat de licence utilisateur final"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"Installation &personnalisée (avancée)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"Utiliser Zanvo Search comme page d’accueil"},
    {L"ACTION_DONE", L"Terminé"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"Type d’installation"},
    {L"IDC_EDIT_LICENSE",
     L"Copyright (c) 2026 Kelvarion Ltd\r\n"
     L"Tous droits réservés.\r\n"
     L"\r\n"
     L"La redistribution et l’utilisation sous forme de code source ou sous forme binaire, avec ou sans "
     L"modification, sont autorisées à condition que les conditions suivantes soient remplies\u00A0:\r\n"
     L"\r\n"
     L"1. Les redistributions du code source doivent conserver la mention de copyright ci-dessus, la "
     L"présente liste de conditions et l’avertissement ci-dessous.\r\n"
     L"\r\n"
     L"2. Les redistributions sous forme binaire doivent reproduire la mention de copyright ci-dessus, la "
     L"présente liste de conditions et l’avertissement ci-dessous dans la documentation et/ou les autres "
     L"éléments fournis avec la distribution.\r\n"
     L"\r\n"
     L"CE LOGICIEL EST FOURNI PAR LES DÉTENTEURS DU COPYRIGHT ET LES CONTRIBUTEURS «\u00A0EN L’ÉTAT\u00A0» "
     L"ET TOUTE GARANTIE, EXPRESSE OU IMPLICITE, Y COMPRIS, MAIS SANS S’Y LIMITER, LES GARANTIES IMPLICITES "
     L"DE QUALITÉ MARCHANDE ET D’ADÉQUATION À UN USAGE PARTICULIER, EST EXCLUE. EN AUCUN CAS LE DÉTENTEUR DU "
     L"COPYRIGHT OU LES CONTRIBUTEURS NE POURRONT ÊTRE TENUS RESPONSABLES D’UN QUELCONQUE DOMMAGE DIRECT, "
     L"INDIRECT, ACCESSOIRE, SPÉCIAL, EXEMPLAIRE OU CONSÉCUTIF (Y COMPRIS, MAIS SANS S’Y LIMITER, "
     L"L’ACQUISITION DE BIENS OU DE SERVICES DE REMPLACEMENT, LA PERTE D’UTILISATION, DE DONNÉES OU DE "
     L"PROFITS, OU L’INTERRUPTION D’ACTIVITÉ), QUELLE QU’EN SOIT LA CAUSE ET QUEL QUE SOIT LE FONDEMENT DE "
     L"LA RESPONSABILITÉ, CONTRACTUELLE, SANS FAUTE OU DÉLICTUELLE (Y COMPRIS PAR NÉGLIGENCE OU AUTREMENT), "
     L"DÉCOULANT DE QUELQUE MANIÈRE QUE CE SOIT DE L’UTILISATION DE CE LOGICIEL, MÊME S’ILS ONT ÉTÉ "
     L"AVERTIS DE LA POSSIBILITÉ D’UN TEL DOMMAGE."},
    {L"ERROR_TARGET_DIR_MESSAGE",
     L"Impossible d’installer Zanvo Archiver dans le dossier sélectionné. Veuillez choisir un autre dossier."},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"Contrat de licence"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"Choix du dossier d’installation"},
    {L"IDC_FIRST_SCREEN_TEXT", L"Le logiciel le plus simple et convivial pour ouvrir et créer des archives"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"Intégration au navigateur"},
    {L"IDC_BUTTON_INSTALL", L"&Installer >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"Installation de Zanvo Archiver"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"Veuillez choisir le dossier de destination de Zanvo Archiver..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"Installer la barre d’outils Zanvo dans mes navigateurs web"},
};

}  // namespace

const Language kLanguageFrench = {kStrings, static_cast<int32_t>(std::size(kStrings)), 147, L"Français", "fr"};
