// Persian. Written with the Persian letters yeh (U+06CC) and keheh (U+06A9),
// not their Arabic forms, and with the zero-width non-joiner (\u200C) that
// Persian spelling puts inside words such as "می\u200Cخواهید".
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"Zanvo Archiver هم\u200Cاکنون اجرا شود"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"مشخص کنید Zanvo Archiver چه تغییراتی می\u200Cتواند در مرورگرهای وب شما بدهد. این تنظیمات را بعداً "
     L"هم می\u200Cتوانید تغییر دهید."},
    {L"IDC_LINK_TOOLBAR_PP", L"سیاست حفظ حریم خصوصی"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"در حال حذف Zanvo Archiver"},
    {L"IDC_CB_ACCEPT_LICENSE", L"&شرایط توافق\u200Cنامهٔ مجوز را می\u200Cپذیرم"},
    {L"IDC_LINK_DECLINE", L"نمی\u200Cپذیرم"},
    {L"IDC_BUTTON_NEXT", L"نصب >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"پوشهٔ انتخاب\u200Cشده خالی نیست. ممکن است فایل\u200Cهای درون آن جایگزین شوند. آیا می\u200Cخواهید "
     L"ادامه دهید؟"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"نصب کامل شد"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"&مرور..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"پیشرفت کلی"},
    {L"IDC_RADIO_REBOOT_LATER", L"بعداً خودم رایانه را دوباره راه\u200Cاندازی می\u200Cکنم"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"برای تکمیل نصب Zanvo Archiver باید رایانه دوباره راه\u200Cاندازی شود. آیا می\u200Cخواهید همین حالا "
     L"راه\u200Cاندازی مجدد شود؟"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"فضای آزاد: %0.1f گیگابایت"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"نصب &پیش\u200Cفرض (توصیه می\u200Cشود)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"Zanvo Search موتور جستجوی پیش\u200Cفرض من باشد"},
    {L"IDC_RADIO_REBOOT_NOW", L"همین حالا راه\u200Cاندازی مجدد شود"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"انتخاب زبان"},
    {L"IDC_BUTTON_BACK", L"< &قبلی"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"فضای لازم: %0.1f مگابایت"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"از اینکه Zanvo Archiver را انتخاب کردید سپاسگزاریم!"},
    {L"IDC_BUTTON_CANCEL", L"&لغو"},
    {L"ABORT_CONFIRMATION", L"آیا مطمئن هستید که می\u200Cخواهید از برنامهٔ نصب Zanvo Archiver خارج شوید؟"},
    {L"IDC_GRB_DESTINATION", L"پوشهٔ مقصد"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"از مرورگر وب خود بیشترین بهره را ببرید"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"برنامهٔ نصب، Zanvo Archiver را در پوشهٔ زیر نصب می\u200Cکند."},
    {L"IDC_BUTTON_FINISH", L"&پایان"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"برای شروع نصب، روی «نصب» کلیک کنید."},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION",
     L"برای نصب در پوشه\u200Cای دیگر، روی «مرور» کلیک کنید و پوشهٔ دلخواه را انتخاب کنید."},
    {L"IDC_BUTTON_AGREE", L"&می\u200Cپذیرم"},
    {L"IDC_LINK_TOOLBAR_EULA", L"توافق\u200Cنامهٔ مجوز کاربر نهایی"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"نصب &سفارشی (پیشرفته)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"Zanvo Search صفحهٔ خانگی من باشد"},
    {L"ACTION_DONE", L"انجام شد"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"نوع نصب"},
    {L"IDC_EDIT_LICENSE",
     L"حق نشر (c) ۲۰۲۶ Kelvarion Ltd\r\n"
     L"همهٔ حقوق محفوظ است.\r\n"
     L"\r\n"
     L"بازتوزیع و استفاده به شکل کد منبع یا دودویی، با تغییر یا بدون تغییر، به شرط رعایت شرایط زیر مجاز "
     L"است:\r\n"
     L"\r\n"
     L"۱. بازتوزیع کد منبع باید اعلان حق نشر بالا، این فهرست شرایط و سلب مسئولیت زیر را حفظ کند.\r\n"
     L"\r\n"
     L"۲. بازتوزیع به شکل دودویی باید اعلان حق نشر بالا، این فهرست شرایط و سلب مسئولیت زیر را در مستندات "
     L"و/یا دیگر موادی که همراه توزیع ارائه می\u200Cشوند بازتولید کند.\r\n"
     L"\r\n"
     L"این نرم\u200Cافزار از سوی دارندگان حق نشر و مشارکت\u200Cکنندگان «همان\u200Cگونه که هست» ارائه "
     L"می\u200Cشود و هرگونه ضمانت صریح یا ضمنی، از جمله و نه محدود به ضمانت\u200Cهای ضمنی قابلیت فروش و "
     L"تناسب برای هدفی خاص، رد می\u200Cشود. دارندهٔ حق نشر یا مشارکت\u200Cکنندگان در هیچ حالتی مسئول "
     L"هیچ\u200Cگونه خسارت مستقیم، غیرمستقیم، اتفاقی، خاص، تنبیهی یا تبعی (از جمله و نه محدود به تهیهٔ کالا "
     L"یا خدمات جایگزین؛ از دست رفتن امکان استفاده، داده\u200Cها یا سود؛ یا توقف کسب\u200Cوکار) نیستند، به "
     L"هر علتی که رخ داده باشد و بر پایهٔ هر نظریه\u200Cای از مسئولیت، خواه قراردادی، خواه مسئولیت محض، خواه "
     L"مسئولیت مدنی (از جمله سهل\u200Cانگاری یا موارد دیگر)، که به هر نحو از استفاده از این نرم\u200Cافزار "
     L"ناشی شود، حتی اگر از احتمال وقوع چنین خسارتی آگاه شده باشند."},
    {L"ERROR_TARGET_DIR_MESSAGE",
     L"Zanvo Archiver را نمی\u200Cتوان در پوشهٔ انتخاب\u200Cشده نصب کرد. لطفاً پوشهٔ دیگری انتخاب کنید."},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"توافق\u200Cنامهٔ مجوز"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"انتخاب محل نصب"},
    {L"IDC_FIRST_SCREEN_TEXT",
     L"کاربرپسندترین و ساده\u200Cترین نرم\u200Cافزار برای باز کردن و ساختن فایل\u200Cهای فشرده"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"یکپارچگی با مرورگر"},
    {L"IDC_BUTTON_INSTALL", L"&نصب >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"در حال نصب Zanvo Archiver"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"لطفاً پوشهٔ مقصد Zanvo Archiver را انتخاب کنید..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"نوار ابزار Zanvo در مرورگرهای وب من نصب شود"},
};

}  // namespace

// The language's own name is "فارسی"; without its first letter ("ارسی") it
// is not a word a Persian reader would recognise.
const Language kLanguagePersian = {kStrings, static_cast<int32_t>(std::size(kStrings)), 146, L"فارسی", "fa"};
