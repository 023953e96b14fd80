// Spanish.
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"Ejecutar Zanvo Archiver ahora"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"Elija qué puede cambiar Zanvo Archiver en sus navegadores web. Podrá modificar esta configuración más "
     L"adelante."},
    {L"IDC_LINK_TOOLBAR_PP", L"Política de privacidad"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"Desinstalando Zanvo Archiver"},
    {L"IDC_CB_ACCEPT_LICENSE", L"&Acepto los términos del contrato de licencia"},
    {L"IDC_LINK_DECLINE", L"Rechazar"},
    {L"IDC_BUTTON_NEXT", L"Instalar >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"La carpeta seleccionada no está vacía. Es posible que se reemplacen los archivos que contiene. "
     L"¿Desea continuar?"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"Instalación completada"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"E&xaminar..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"Progreso total"},
    {L"IDC_RADIO_REBOOT_LATER", L"Prefiero reiniciar el equipo manualmente más tarde"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"Es necesario reiniciar el equipo para completar la instalación de Zanvo Archiver. ¿Desea reiniciarlo "
     L"ahora?"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"Espacio disponible: %0.1f GB"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"Instalación pre&determinada (recomendada)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"Usar Zanvo Search como mi motor de búsqueda predeterminado"},
    {L"IDC_RADIO_REBOOT_NOW", L"Reiniciar ahora"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"Selección de idioma"},
    {L"IDC_BUTTON_BACK", L"< &Atrás"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"Espacio necesario: %0.1f MB"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"¡Gracias por elegir Zanvo Archiver!"},
    {L"IDC_BUTTON_CANCEL", L"&Cancelar"},
    {L"ABORT_CONFIRMATION", L"¿Seguro que desea salir del programa de instalación de Zanvo Archiver?"},
    {L"IDC_GRB_DESTINATION", L"Carpeta de destino"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"Saque el máximo partido a su navegador web"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"El programa de instalación instalará Zanvo Archiver en la siguiente carpeta."},
    {L"IDC_BUTTON_FINISH", L"&Finalizar"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"Haga clic en Instalar para iniciar la instalación."},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION",
     L"Para instalar en otra carpeta, haga clic en Examinar y seleccione la carpeta que desee."},
    {L"IDC_BUTTON_AGREE", L"&Acepto"},
    {L"IDC_LINK_TOOLBAR_EULA", L"Contrato de licencia para el usuario final"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"Instalación &personalizada (avanzada)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"Usar Zanvo Search como mi página de inicio"},
    {L"ACTION_DONE", L"Listo"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"Tipo de instalación"},
    {L"IDC_EDIT_LICENSE",
     L"Copyright (c) 2026 Kelvarion Ltd\r\n"
     L"Reservados todos los derechos.\r\n"
     L"\r\n"
     L"Se permiten la redistribución y el uso en forma de código fuente y en forma binaria, con o sin "
     L"modificaciones, siempre que se cumplan las siguientes condiciones:\r\n"
     L"\r\n"
     L"1. Las redistribuciones del código fuente deben conservar el aviso de copyright anterior, esta lista "
     L"de condiciones y la siguiente exención de responsabilidad.\r\n"
     L"\r\n"
     L"2. Las redistribuciones en forma binaria deben reproducir el aviso de copyright anterior, esta lista "
     L"de condiciones y la siguiente exención de responsabilidad en la documentación y/u otros materiales "
     L"suministrados con la distribución.\r\n"
     L"\r\n"
     L"LOS TITULARES DEL COPYRIGHT Y LOS COLABORADORES PROPORCIONAN ESTE SOFTWARE «TAL CUAL» Y RECHAZAN "
     L"CUALQUIER GARANTÍA EXPRESA O IMPLÍCITA, INCLUIDAS, ENTRE OTRAS, LAS GARANTÍAS IMPLÍCITAS DE "
     L"COMERCIABILIDAD E IDONEIDAD PARA UN FIN DETERMINADO. EN NINGÚN CASO EL TITULAR DEL COPYRIGHT NI LOS "
     L"COLABORADORES SERÁN RESPONSABLES DE NINGÚN DAÑO DIRECTO, INDIRECTO, INCIDENTAL, ESPECIAL, EJEMPLAR O "
     L"EMERGENTE (INCLUIDOS, ENTRE OTROS, LA ADQUISICIÓN DE BIENES O SERVICIOS SUSTITUTIVOS, LA PÉRDIDA DE "
     L"USO, DE DATOS O DE BENEFICIOS, O LA INTERRUPCIÓN DE LA ACTIVIDAD EMPRESARIAL), CUALQUIERA QUE SEA SU "
     L"CAUSA Y LA TEORÍA DE RESPONSABILIDAD APLICABLE, YA SEA CONTRACTUAL, OBJETIVA O EXTRACONTRACTUAL "
     L"(INCLUIDA LA NEGLIGENCIA O DE OTRO TIPO), QUE SURJA DE CUALQUIER MODO DEL USO DE ESTE SOFTWARE, AUN "
     L"CUANDO SE HAYA ADVERTIDO DE LA POSIBILIDAD DE TALES DAÑOS."},
    {L"ERROR_TARGET_DIR_MESSAGE",
     L"No se puede instalar Zanvo Archiver en la carpeta seleccionada. Seleccione otra carpeta."},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"Contrato de licencia"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"Elija la ubicación de instalación"},
    {L"IDC_FIRST_SCREEN_TEXT", L"El programa más práctico y sencillo para abrir y crear archivos comprimidos"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"Integración con el navegador"},
    {L"IDC_BUTTON_INSTALL", L"&Instalar >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"Instalando Zanvo Archiver"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"Seleccione la carpeta de destino de Zanvo Archiver..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"Instalar la barra de herramientas de Zanvo en mis navegadores web"},
};

}  // namespace

const Language kLanguageSpanish = {kStrings, static_cast<int32_t>(std::size(kStrings)), 145, L"Español", "es"};
