// Arabic. The texts are stored in logical order; Windows lays them out right
// to left. A mnemonic stands before the first letter of a word, where its
// underline does not break the joined letters.
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"تشغيل Zanvo Archiver الآن"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"اختر التغييرات التي يمكن أن يجريها Zanvo Archiver على متصفحات الويب لديك. يمكنك تغيير هذه "
     L"الإعدادات لاحقًا."},
    {L"IDC_LINK_TOOLBAR_PP", L"سياسة الخصوصية"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"جارٍ إلغاء تثبيت Zanvo Archiver"},
    {L"IDC_CB_ACCEPT_LICENSE", L"&أوافق على شروط اتفاقية الترخيص"},
    {L"IDC_LINK_DECLINE", L"رفض"},
    {L"IDC_BUTTON_NEXT", L"تثبيت >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"المجلد المحدد ليس فارغًا. قد يتم استبدال الملفات الموجودة فيه. هل تريد المتابعة؟"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"اكتمل التثبيت"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"&استعراض..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"التقدم الإجمالي"},
    {L"IDC_RADIO_REBOOT_LATER", L"أريد إعادة التشغيل يدويًا لاحقًا"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"يجب إعادة تشغيل الكمبيوتر لإكمال تثبيت Zanvo Archiver. هل تريد إعادة التشغيل الآن؟"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"المساحة المتوفرة: %0.1f غيغابايت"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"&التثبيت الافتراضي (مستحسن)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"اجعل Zanvo Search محرك البحث الافتراضي"},
    {L"IDC_RADIO_REBOOT_NOW", L"إعادة التشغيل الآن"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"اختيار اللغة"},
    {L"IDC_BUTTON_BACK", L"< &السابق"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"المساحة المطلوبة: %0.1f ميغابايت"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"شكرًا لاختيارك Zanvo Archiver!"},
    {L"IDC_BUTTON_CANCEL", L"&إلغاء"},
    {L"ABORT_CONFIRMATION", L"هل تريد بالتأكيد الخروج من برنامج إعداد Zanvo Archiver؟"},
    {L"IDC_GRB_DESTINATION", L"المجلد الوجهة"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"استفد إلى أقصى حد من متصفح الويب"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"سيقوم برنامج الإعداد بتثبيت Zanvo Archiver في المجلد التالي."},
    {L"IDC_BUTTON_FINISH", L"&إنهاء"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"انقر فوق «تثبيت» لبدء التثبيت."},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION", L"للتثبيت في مجلد آخر، انقر فوق «استعراض» واختر المجلد الذي تريده."},
    {L"IDC_BUTTON_AGREE", L"&أوافق"},
    {L"IDC_LINK_TOOLBAR_EULA", L"اتفاقية ترخيص المستخدم النهائي"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"&تثبيت مخصص (للمستخدمين المتقدمين)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"اجعل Zanvo Search صفحتي الرئيسية"},
    {L"ACTION_DONE", L"تم"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"نوع التثبيت"},
    {L"IDC_EDIT_LICENSE",
     L"حقوق النشر (c) 2026 Kelvarion Ltd\r\n"
     L"جميع الحقوق محفوظة.\r\n"
     L"\r\n"
     L"يُسمح بإعادة التوزيع والاستخدام بشكل شيفرة مصدرية أو بشكل ثنائي، مع التعديل أو بدونه، شريطة استيفاء "
     L"الشروط التالية:\r\n"
     L"\r\n"
     L"1. يجب أن تحتفظ عمليات إعادة توزيع الشيفرة المصدرية بإشعار حقوق النشر أعلاه وقائمة الشروط هذه وإخلاء "
     L"المسؤولية التالي.\r\n"
     L"\r\n"
     L"2. يجب أن تتضمن عمليات إعادة التوزيع بالشكل الثنائي إشعار حقوق النشر أعلاه وقائمة الشروط هذه وإخلاء "
     L"المسؤولية التالي في الوثائق و/أو المواد الأخرى المرفقة بالتوزيع.\r\n"
     L"\r\n"
     L"يقدّم أصحاب حقوق النشر والمساهمون هذا البرنامج \"كما هو\"، ويُخلون مسؤوليتهم عن أي ضمانات صريحة أو "
     L"ضمنية، بما في ذلك على سبيل المثال لا الحصر الضمانات الضمنية لقابلية التسويق والملاءمة لغرض معين. ولا "
     L"يتحمل صاحب حقوق النشر أو المساهمون بأي حال من الأحوال المسؤولية عن أي أضرار مباشرة أو غير مباشرة أو "
     L"عرضية أو خاصة أو تأديبية أو تبعية (بما في ذلك على سبيل المثال لا الحصر شراء سلع أو خدمات بديلة، أو "
     L"فقدان الاستخدام أو البيانات أو الأرباح، أو انقطاع الأعمال) أيًا كان سببها ووفقًا لأي نظرية للمسؤولية، "
     L"سواء أكانت تعاقدية أم مسؤولية مطلقة أم تقصيرية (بما في ذلك الإهمال أو غيره)، تنشأ بأي شكل من الأشكال "
     L"عن استخدام هذا البرنامج، حتى لو أُبلغوا بإمكانية حدوث مثل هذه الأضرار."},
    {L"ERROR_TARGET_DIR_MESSAGE", L"لا يمكن تثبيت Zanvo Archiver في المجلد المحدد. الرجاء اختيار مجلد آخر."},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"اتفاقية الترخيص"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"اختيار موقع التثبيت"},
    {L"IDC_FIRST_SCREEN_TEXT", L"أسهل البرامج وأكثرها ملاءمة لفتح الأرشيفات وإنشائها"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"التكامل مع المتصفح"},
    {L"IDC_BUTTON_INSTALL", L"&تثبيت >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"جارٍ تثبيت Zanvo Archiver"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"الرجاء اختيار المجلد الذي سيُثبَّت فيه Zanvo Archiver..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"تثبيت شريط أدوات Zanvo في متصفحات الويب لدي"},
};

}  // namespace

const Language kLanguageArabic = {kStrings, static_cast<int32_t>(std::size(kStrings)), 142, L"العربية", "ar"};
