// Russian.
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"Запустить Zanvo Archiver"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"Выберите, что Zanvo Archiver может изменить в ваших браузерах. Эти настройки можно изменить позже."},
    {L"IDC_LINK_TOOLBAR_PP", L"Политика конфиденциальности"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"Удаление Zanvo Archiver"},
    {L"IDC_CB_ACCEPT_LICENSE", L"Я &принимаю условия лицензионного соглашения"},
    {L"IDC_LINK_DECLINE", L"Отказаться"},
    {L"IDC_BUTTON_NEXT", L"Установить >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"Выбранная папка не пуста. Находящиеся в ней файлы могут быть заменены. Продолжить?"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"Установка завершена"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"&Обзор..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"Общий ход установки"},
    {L"IDC_RADIO_REBOOT_LATER", L"Я перезагружу компьютер вручную позже"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"Чтобы завершить установку Zanvo Archiver, необходимо перезагрузить компьютер. Перезагрузить его "
     L"сейчас?"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"Доступно на диске: %0.1f ГБ"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"&Стандартная установка (рекомендуется)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"Сделать Zanvo Search поисковой системой по умолчанию"},
    {L"IDC_RADIO_REBOOT_NOW", L"Перезагрузить сейчас"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"Выбор языка"},
    {L"IDC_BUTTON_BACK", L"< &Назад"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"Требуется на диске: %0.1f МБ"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"Спасибо, что выбрали Zanvo Archiver!"},
    {L"IDC_BUTTON_CANCEL", L"&Отмена"},
    {L"ABORT_CONFIRMATION", L"Вы действительно хотите выйти из программы установки Zanvo Archiver?"},
    {L"IDC_GRB_DESTINATION", L"Папка установки"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"Получите от браузера больше"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"Программа установит Zanvo Archiver в указанную ниже папку."},
    {L"IDC_BUTTON_FINISH", L"&Готово"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"Нажмите «Установить», чтобы начать установку."},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION",
     L"Чтобы установить программу в другую папку, нажмите «Обзор» и выберите нужную папку."},
    {L"IDC_BUTTON_AGREE", L"&Принимаю"},
    {L"IDC_LINK_TOOLBAR_EULA", L"Лицензионное соглашение с конечным пользователем"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"&Выборочная установка (для опытных пользователей)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"Сделать Zanvo Search домашней страницей"},
    {L"ACTION_DONE", L"Готово"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"Тип установки"},
    {L"IDC_EDIT_LICENSE",
     L"Copyright (c) 2026 Kelvarion Ltd\r\n"
     L"Все права защищены.\r\n"
     L"\r\n"
     L"Разрешается повторное распространение и использование как в виде исходного кода, так и в двоичной "
     L"форме, с изменениями или без, при соблюдении следующих условий:\r\n"
     L"\r\n"
     L"1. При повторном распространении исходного кода должны сохраняться указанное выше уведомление об "
     L"авторском праве, этот список условий и последующий отказ от гарантий.\r\n"
     L"\r\n"
     L"2. При повторном распространении в двоичной форме указанное выше уведомление об авторском праве, "
     L"этот список условий и последующий отказ от гарантий должны воспроизводиться в документации и/или "
     L"других материалах, поставляемых вместе с дистрибутивом.\r\n"
     L"\r\n"
     L"ЭТА ПРОГРАММА ПРЕДОСТАВЛЯЕТСЯ ВЛАДЕЛЬЦАМИ АВТОРСКИХ ПРАВ И УЧАСТНИКАМИ «КАК ЕСТЬ», И ЛЮБЫЕ ЯВНЫЕ "
     L"ИЛИ ПОДРАЗУМЕВАЕМЫЕ ГАРАНТИИ, ВКЛЮЧАЯ, НО НЕ ОГРАНИЧИВАЯСЬ ИМИ, ПОДРАЗУМЕВАЕМЫЕ ГАРАНТИИ "
     L"КОММЕРЧЕСКОЙ ЦЕННОСТИ И ПРИГОДНОСТИ ДЛЯ КОНКРЕТНОЙ ЦЕЛИ, ОТВЕРГАЮТСЯ. НИ В КОЕМ СЛУЧАЕ ВЛАДЕЛЕЦ "
     L"АВТОРСКИХ ПРАВ ИЛИ УЧАСТНИКИ НЕ НЕСУТ ОТВЕТСТВЕННОСТИ ЗА КАКИЕ-ЛИБО ПРЯМЫЕ, КОСВЕННЫЕ, СЛУЧАЙНЫЕ, "
     L"СПЕЦИАЛЬНЫЕ, ШТРАФНЫЕ ИЛИ ПОСЛЕДУЮЩИЕ УБЫТКИ (ВКЛЮЧАЯ, НО НЕ ОГРАНИЧИВАЯСЬ ИМИ, ПРИОБРЕТЕНИЕ "
     L"ЗАМЕНЯЮЩИХ ТОВАРОВ ИЛИ УСЛУГ; ПОТЕРЮ ВОЗМОЖНОСТИ ИСПОЛЬЗОВАНИЯ, ДАННЫХ ИЛИ ПРИБЫЛИ; ИЛИ ПРЕРЫВАНИЕ "
     L"ДЕЯТЕЛЬНОСТИ), ЧЕМ БЫ ОНИ НИ БЫЛИ ВЫЗВАНЫ И НА ОСНОВАНИИ КАКОЙ БЫ ТО НИ БЫЛО ТЕОРИИ "
     L"ОТВЕТСТВЕННОСТИ — ДОГОВОРА, СТРОГОЙ ОТВЕТСТВЕННОСТИ ИЛИ ДЕЛИКТА (ВКЛЮЧАЯ НЕБРЕЖНОСТЬ И ИНЫЕ "
     L"СЛУЧАИ), — ВОЗНИКШИЕ КАКИМ-ЛИБО ОБРАЗОМ В РЕЗУЛЬТАТЕ ИСПОЛЬЗОВАНИЯ ЭТОЙ ПРОГРАММЫ, ДАЖЕ ЕСЛИ ОНИ "
     L"БЫЛИ ПРЕДУПРЕЖДЕНЫ О ВОЗМОЖНОСТИ ТАКИХ УБЫТКОВ."},
    {L"ERROR_TARGET_DIR_MESSAGE", L"Не удаётся установить Zanvo Archiver в выбранную папку. Выберите другую папку."},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"Лицензионное соглашение"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"Выбор папки установки"},
    {L"IDC_FIRST_SCREEN_TEXT", L"Самая удобная и простая программа для открытия и создания архивов"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"Интеграция с браузером"},
    {L"IDC_BUTTON_INSTALL", L"&Установить >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"Установка Zanvo Archiver"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"Выберите папку, в которую будет установлен Zanvo Archiver..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"Установить панель инструментов Zanvo в мои браузеры"},
};

}  // namespace

// The language's own name is "Русский"; a misspelt "Руский" would look
// careless to every Russian reader of a language list.
const Language kLanguageRussian = {kStrings, static_cast<int32_t>(std::size(kStrings)), 155, L"Русский", "ru"};
