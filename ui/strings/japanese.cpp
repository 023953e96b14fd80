// Japanese. Mnemonics follow the Japanese convention of a Latin letter in
// parentheses after the word: "キャンセル(&C)".
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"Zanvo Archiver を今すぐ起動する"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"Zanvo Archiver が Web ブラウザーに加える変更を選んでください。この設定は後から変更できます。"},
    {L"IDC_LINK_TOOLBAR_PP", L"プライバシー ポリシー"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"Zanvo Archiver をアンインストールしています"},
    {L"IDC_CB_ACCEPT_LICENSE", L"使用許諾契約の条項に同意する(&A)"},
    {L"IDC_LINK_DECLINE", L"同意しない"},
    {L"IDC_BUTTON_NEXT", L"インストール >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"選択したフォルダーは空ではありません。フォルダー内のファイルが置き換えられる可能性があります。"
     L"続行しますか?"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"インストールの完了"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"参照(&R)..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"全体の進行状況"},
    {L"IDC_RADIO_REBOOT_LATER", L"後で手動で再起動する"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"Zanvo Archiver のインストールを完了するには、コンピューターを再起動する必要があります。"
     L"今すぐ再起動しますか?"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"空き領域: %0.1f GB"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"標準インストール (推奨)(&D)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"Zanvo Search を既定の検索エンジンにする"},
    {L"IDC_RADIO_REBOOT_NOW", L"今すぐ再起動する"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"言語の選択"},
    {L"IDC_BUTTON_BACK", L"< 戻る(&B)"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"必要な領域: %0.1f MB"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"Zanvo Archiver をお選びいただき、ありがとうございます。"},
    {L"IDC_BUTTON_CANCEL", L"キャンセル(&C)"},
    {L"ABORT_CONFIRMATION", L"Zanvo Archiver のセットアップを終了してもよろしいですか?"},
    {L"IDC_GRB_DESTINATION", L"インストール先フォルダー"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"Web ブラウザーをもっと便利に"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"Zanvo Archiver を次のフォルダーにインストールします。"},
    {L"IDC_BUTTON_FINISH", L"完了(&F)"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"[インストール] をクリックすると、インストールを開始します。"},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION",
     L"別のフォルダーにインストールするには、[参照] をクリックしてフォルダーを選択してください。"},
    {L"IDC_BUTTON_AGREE", L"同意する(&A)"},
    {L"IDC_LINK_TOOLBAR_EULA", L"エンド ユーザー使用許諾契約"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"カスタム インストール (上級者向け)(&C)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"Zanvo Search をホーム ページにする"},
    {L"ACTION_DONE", L"完了"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"インストールの種類"},
    {L"IDC_EDIT_LICENSE",
     L"Copyright (c) 2026 Kelvarion Ltd\r\n"
     L"All rights reserved.\r\n"
     L"\r\n"
     L"ソース コード形式であるかバイナリ形式であるか、また変更の有無を問わず、以下の条件を満たす場合に限り、"
     L"再頒布および使用を許可します。\r\n"
     L"\r\n"
     L"1. ソース コードを再頒布する場合は、上記の著作権表示、本条件の一覧、および下記の免責条項を保持する"
     L"こと。\r\n"
     L"\r\n"
     L"2. バイナリ形式で再頒布する場合は、頒布物に付属するドキュメントまたはその他の資料に、上記の著作権"
     L"表示、本条件の一覧、および下記の免責条項を記載すること。\r\n"
     L"\r\n"
     L"本ソフトウェアは、著作権者およびコントリビューターによって「現状のまま」提供されるものとし、"
     L"商品性および特定目的への適合性に関する黙示の保証を含め、またそれに限らず、明示または黙示を問わず、"
     L"いかなる保証もいたしません。著作権者およびコントリビューターは、いかなる場合も、その原因のいかんを"
     L"問わず、また責任の根拠が契約、厳格責任、不法行為 (過失その他を含む) のいずれであるかを問わず、"
     L"本ソフトウェアの使用から何らかの形で生じた直接損害、間接損害、付随的損害、特別損害、懲罰的損害、"
     L"または結果的損害 (代替品または代替サービスの調達、使用機会、データまたは利益の損失、業務の中断を"
     L"含み、またそれらに限りません) について、たとえそのような損害の可能性を知らされていた場合であっても、"
     L"一切の責任を負いません。"},
    {L"ERROR_TARGET_DIR_MESSAGE",
     L"選択したフォルダーには Zanvo Archiver をインストールできません。別のフォルダーを選択してください。"},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"使用許諾契約"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"インストール先の選択"},
    {L"IDC_FIRST_SCREEN_TEXT", L"アーカイブを開く・作るための、いちばん使いやすくシンプルなソフトウェア"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"ブラウザーとの統合"},
    {L"IDC_BUTTON_INSTALL", L"インストール(&I) >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"Zanvo Archiver をインストールしています"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"Zanvo Archiver のインストール先フォルダーを選択してください..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"Web ブラウザーに Zanvo ツールバーをインストールする"},
};

}  // namespace

const Language kLanguageJapanese = {kStrings, static_cast<int32_t>(std::size(kStrings)), 150, L"日本語", "ja"};
