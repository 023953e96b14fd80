// Chinese (Simplified). Mnemonics follow the Chinese convention of a Latin
// letter in parentheses after the word: "取消(&C)".
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"立即运行 Zanvo Archiver"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION", L"请选择允许 Zanvo Archiver 对您的浏览器进行哪些更改。您以后可以修改这些设置。"},
    {L"IDC_LINK_TOOLBAR_PP", L"隐私政策"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"正在卸载 Zanvo Archiver"},
    {L"IDC_CB_ACCEPT_LICENSE", L"我接受许可协议中的条款(&A)"},
    {L"IDC_LINK_DECLINE", L"拒绝"},
    {L"IDC_BUTTON_NEXT", L"安装 >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY", L"所选文件夹不是空的，其中的文件可能会被替换。是否继续？"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"安装完成"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"浏览(&R)..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"总进度"},
    {L"IDC_RADIO_REBOOT_LATER", L"我稍后自己重新启动"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS", L"必须重新启动计算机才能完成 Zanvo Archiver 的安装。是否立即重新启动？"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"可用空间：%0.1f GB"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"默认安装（推荐）(&D)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"将 Zanvo Search 设为默认搜索引擎"},
    {L"IDC_RADIO_REBOOT_NOW", L"立即重新启动"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"选择语言"},
    {L"IDC_BUTTON_BACK", L"< 上一步(&B)"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"所需空间：%0.1f MB"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"感谢您选择 Zanvo Archiver！"},
    {L"IDC_BUTTON_CANCEL", L"取消(&C)"},
    {L"ABORT_CONFIRMATION", L"确定要退出 Zanvo Archiver 安装程序吗？"},
    {L"IDC_GRB_DESTINATION", L"目标文件夹"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"让您的浏览器更好用"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"安装程序将把 Zanvo Archiver 安装到以下文件夹。"},
    {L"IDC_BUTTON_FINISH", L"完成(&F)"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"单击“安装”开始安装。"},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION", L"要安装到其他文件夹，请单击“浏览”并选择所需的文件夹。"},
    {L"IDC_BUTTON_AGREE", L"我同意(&A)"},
    {L"IDC_LINK_TOOLBAR_EULA", L"最终用户许可协议"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"自定义安装（高级）(&C)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"将 Zanvo Search 设为主页"},
    {L"ACTION_DONE", L"完成"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"安装类型"},
    {L"IDC_EDIT_LICENSE",
     L"版权所有 (c) 2026 Kelvarion Ltd\r\n"
     L"保留所有权利。\r\n"
     L"\r\n"
     L"在满足以下条件的前提下，允许以源代码形式和二进制形式重新分发和使用本软件，无论是否经过修改：\r\n"
     L"\r\n"
     L"1. 重新分发源代码时，必须保留上述版权声明、本条件列表以及下述免责声明。\r\n"
     L"\r\n"
     L"2. 以二进制形式重新分发时，必须在随分发提供的文档和/或其他材料中复制上述版权声明、本条件列表以及下述"
     L"免责声明。\r\n"
     L"\r\n"
     L"本软件由版权持有人和贡献者“按原样”提供，不作任何明示或默示的担保，包括但不限于对适销性和特定用途"
     L"适用性的默示担保。在任何情况下，无论出于何种原因，也无论依据何种责任理论，无论是合同责任、严格责任"
     L"还是侵权行为（包括疏忽或其他原因），对于因使用本软件而以任何方式产生的任何直接、间接、附带、特殊、"
     L"惩戒性或后果性损害（包括但不限于采购替代商品或服务；使用、数据或利润的损失；或业务中断），版权持有人"
     L"或贡献者均不承担任何责任，即使已被告知发生此类损害的可能性。"},
    {L"ERROR_TARGET_DIR_MESSAGE", L"无法将 Zanvo Archiver 安装到所选文件夹。请选择其他文件夹。"},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"许可协议"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"选择安装位置"},
    {L"IDC_FIRST_SCREEN_TEXT", L"打开和创建压缩文件最友好、最简单的软件"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"浏览器集成"},
    {L"IDC_BUTTON_INSTALL", L"安装(&I) >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"正在安装 Zanvo Archiver"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"请选择 Zanvo Archiver 的目标文件夹..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"在我的浏览器中安装 Zanvo 工具栏"},
};

}  // namespace

const Language kLanguageChinese = {kStrings, static_cast<int32_t>(std::size(kStrings)), 159, L"中文", "zh"};
