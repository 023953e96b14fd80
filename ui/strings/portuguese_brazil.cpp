// Portuguese as written in Brazil.
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"Executar o Zanvo Archiver agora"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"Escolha o que o Zanvo Archiver pode alterar nos seus navegadores. Você poderá mudar essas "
     L"configurações depois."},
    {L"IDC_LINK_TOOLBAR_PP", L"Política de Privacidade"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"Desinstalando o Zanvo Archiver"},
    {L"IDC_CB_ACCEPT_LICENSE", L"&Aceito os termos do Contrato de Licença"},
    {L"IDC_LINK_DECLINE", L"Recusar"},
    {L"IDC_BUTTON_NEXT", L"Instalar >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"A pasta selecionada não está vazia. Os arquivos que ela contém podem ser substituídos. Deseja "
     L"continuar?"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"Instalação concluída"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"&Procurar..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"Progresso geral"},
    {L"IDC_RADIO_REBOOT_LATER", L"Quero reiniciar o computador manualmente mais tarde"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"O computador precisa ser reiniciado para concluir a instalação do Zanvo Archiver. Deseja reiniciar "
     L"agora?"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"Espaço disponível: %0.1f GB"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"Instalação &padrão (recomendada)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"Usar o Zanvo Search como meu mecanismo de pesquisa padrão"},
    {L"IDC_RADIO_REBOOT_NOW", L"Reiniciar agora"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"Escolha do idioma"},
    {L"IDC_BUTTON_BACK", L"< &Voltar"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"Espaço necessário: %0.1f MB"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"Obrigado por escolher o Zanvo Archiver!"},
    {L"IDC_BUTTON_CANCEL", L"&Cancelar"},
    {L"ABORT_CONFIRMATION", L"Tem certeza de que deseja sair da instalação do Zanvo Archiver?"},
    {L"IDC_GRB_DESTINATION", L"Pasta de destino"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"Aproveite ao máximo o seu navegador"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"O instalador vai instalar o Zanvo Archiver na pasta a seguir."},
    {L"IDC_BUTTON_FINISH", L"&Concluir"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"Clique em Instalar para iniciar a instalação."},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION",
     L"Para instalar em outra pasta, clique em Procurar e selecione a pasta desejada."},
    {L"IDC_BUTTON_AGREE", L"&Aceito"},
    {L"IDC_LINK_TOOLBAR_EULA", L"Contrato de Licença do Usuário Final"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"Instalação p&ersonalizada (avançada)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"Usar o Zanvo Search como minha página inicial"},
    {L"ACTION_DONE", L"Concluído"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"Tipo de instalação"},
    {L"IDC_EDIT_LICENSE",
     L"Copyright (c) 2026 Kelvarion Ltd\r\n"
     L"Todos os direitos reservados.\r\n"
     L"\r\n"
     L"A redistribuição e o uso nas formas de código-fonte e binária, com ou sem modificações, são "
     L"permitidos desde que as seguintes condições sejam atendidas:\r\n"
     L"\r\n"
     L"1. As redistribuições do código-fonte devem manter o aviso de copyright acima, esta lista de "
     L"condições e a isenção de responsabilidade a seguir.\r\n"
     L"\r\n"
     L"2. As redistribuições na forma binária devem reproduzir o aviso de copyright acima, esta lista de "
     L"condições e a isenção de responsabilidade a seguir na documentação e/ou em outros materiais "
     L"fornecidos com a distribuição.\r\n"
     L"\r\n"
     L"ESTE SOFTWARE É FORNECIDO PELOS DETENTORES DOS DIREITOS AUTORAIS E COLABORADORES \"NO ESTADO EM QUE "
     L"SE ENCONTRA\", E QUAISQUER GARANTIAS EXPRESSAS OU IMPLÍCITAS, INCLUINDO, MAS NÃO SE LIMITANDO A, AS "
     L"GARANTIAS IMPLÍCITAS DE COMERCIALIZAÇÃO E ADEQUAÇÃO A UM DETERMINADO FIM, SÃO REJEITADAS. EM NENHUMA "
     L"HIPÓTESE O DETENTOR DOS DIREITOS AUTORAIS OU OS COLABORADORES SERÃO RESPONSÁVEIS POR QUAISQUER DANOS "
     L"DIRETOS, INDIRETOS, INCIDENTAIS, ESPECIAIS, EXEMPLARES OU CONSEQUENCIAIS (INCLUINDO, MAS NÃO SE "
     L"LIMITANDO A, AQUISIÇÃO DE BENS OU SERVIÇOS SUBSTITUTOS; PERDA DE USO, DE DADOS OU DE LUCROS; OU "
     L"INTERRUPÇÃO DE NEGÓCIOS), QUALQUER QUE SEJA A CAUSA E QUALQUER QUE SEJA A TEORIA DE RESPONSABILIDADE, "
     L"SEJA CONTRATUAL, OBJETIVA OU EXTRACONTRATUAL (INCLUINDO NEGLIGÊNCIA OU OUTRA), DECORRENTES DE "
     L"QUALQUER FORMA DO USO DESTE SOFTWARE, MESMO QUE AVISADOS DA POSSIBILIDADE DE TAIS DANOS."},
    {L"ERROR_TARGET_DIR_MESSAGE",
     L"Não é possível instalar o Zanvo Archiver na pasta selecionada. Selecione outra pasta."},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"Contrato de Licença"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"Escolha o local de instalação"},
    {L"IDC_FIRST_SCREEN_TEXT", L"O programa mais simples e fácil de usar para abrir e criar arquivos compactados"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"Integração com o navegador"},
    {L"IDC_BUTTON_INSTALL", L"&Instalar >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"Instalando o Zanvo Archiver"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"Selecione a pasta de destino do Zanvo Archiver..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"Instalar a barra de ferramentas do Zanvo nos meus navegadores"},
};

}  // namespace

const Language kLanguagePortugueseBrazil = {kStrings, static_cast<int32_t>(std::size(kStrings)), 154,
                                            L"Português (Brasil)", "pt_br"};
