// Thai. Thai writes no spaces between words, only between phrases, and ends
// sentences without a full stop. Mnemonics are a Latin letter in parentheses
// after the word, as the combining vowel and tone marks leave no room for
// an underline.
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"เปิดใช้ Zanvo Archiver ทันที"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"เลือกสิ่งที่ Zanvo Archiver สามารถเปลี่ยนแปลงในเว็บเบราว์เซอร์ของคุณ "
     L"คุณสามารถเปลี่ยนการตั้งค่าเหล่านี้ได้ในภายหลัง"},
    {L"IDC_LINK_TOOLBAR_PP", L"นโยบายความเป็นส่วนตัว"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"กำลังถอนการติดตั้ง Zanvo Archiver"},
    {L"IDC_CB_ACCEPT_LICENSE", L"ฉันยอมรับเงื่อนไขของข้อตกลงสิทธิ์การใช้งาน(&A)"},
    {L"IDC_LINK_DECLINE", L"ปฏิเสธ"},
    {L"IDC_BUTTON_NEXT", L"ติดตั้ง >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"โฟลเดอร์ที่เลือกไม่ว่างเปล่า ไฟล์ในโฟลเดอร์นี้อาจถูกแทนที่ คุณต้องการดำเนินการต่อหรือไม่"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"การติดตั้งเสร็จสมบูรณ์"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"เรียกดู(&R)..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"ความคืบหน้าโดยรวม"},
    {L"IDC_RADIO_REBOOT_LATER", L"ฉันจะรีสตาร์ทเครื่องด้วยตนเองในภายหลัง"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"ต้องรีสตาร์ทคอมพิวเตอร์เพื่อให้การติดตั้ง Zanvo Archiver เสร็จสมบูรณ์ "
     L"คุณต้องการรีสตาร์ทเดี๋ยวนี้หรือไม่"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"พื้นที่ว่าง: %0.1f GB"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"ติดตั้งแบบค่าเริ่มต้น (แนะนำ)(&D)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"ตั้ง Zanvo Search เป็นเครื่องมือค้นหาเริ่มต้น"},
    {L"IDC_RADIO_REBOOT_NOW", L"รีสตาร์ทเดี๋ยวนี้"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"เลือกภาษา"},
    {L"IDC_BUTTON_BACK", L"< ย้อนกลับ(&B)"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"พื้นที่ที่ต้องใช้: %0.1f MB"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"ขอบคุณที่เลือกใช้ Zanvo Archiver"},
    {L"IDC_BUTTON_CANCEL", L"ยกเลิก(&C)"},
    {L"ABORT_CONFIRMATION", L"คุณแน่ใจหรือไม่ว่าต้องการออกจากโปรแกรมติดตั้ง Zanvo Archiver"},
    {L"IDC_GRB_DESTINATION", L"โฟลเดอร์ปลายทาง"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"ใช้เว็บเบราว์เซอร์ของคุณให้คุ้มค่าที่สุด"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"โปรแกรมติดตั้งจะติดตั้ง Zanvo Archiver ลงในโฟลเดอร์ต่อไปนี้"},
    {L"IDC_BUTTON_FINISH", L"เสร็จสิ้น(&F)"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"คลิก \"ติดตั้ง\" เพื่อเริ่มการติดตั้ง"},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION",
     L"หากต้องการติดตั้งลงในโฟลเดอร์อื่น ให้คลิก \"เรียกดู\" แล้วเลือกโฟลเดอร์ที่ต้องการ"},
    {L"IDC_BUTTON_AGREE", L"ฉันยอมรับ(&A)"},
    {L"IDC_LINK_TOOLBAR_EULA", L"ข้อตกลงสิทธิ์การใช้งานสำหรับผู้ใช้ปลายทาง"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"ติดตั้งแบบกำหนดเอง (ขั้นสูง)(&C)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"ตั้ง Zanvo Search เป็นหน้าแรก"},
    {L"ACTION_DONE", L"เสร็จแล้ว"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"ประเภทการติดตั้ง"},
    {L"IDC_EDIT_LICENSE",
     L"ลิขสิทธิ์ (c) 2026 Kelvarion Ltd\r\n"
     L"สงวนลิขสิทธิ์\r\n"
     L"\r\n"
     L"อนุญาตให้แจกจ่ายซ้ำและใช้งานทั้งในรูปแบบซอร์สโค้ดและรูปแบบไบนารี ไม่ว่าจะมีการดัดแปลงหรือไม่ก็ตาม "
     L"หากเป็นไปตามเงื่อนไขต่อไปนี้\r\n"
     L"\r\n"
     L"1. การแจกจ่ายซอร์สโค้ดซ้ำต้องคงประกาศลิขสิทธิ์ข้างต้น รายการเงื่อนไขนี้ "
     L"และข้อความปฏิเสธความรับผิดชอบด้านล่างไว้\r\n"
     L"\r\n"
     L"2. การแจกจ่ายซ้ำในรูปแบบไบนารีต้องแสดงประกาศลิขสิทธิ์ข้างต้น รายการเงื่อนไขนี้ "
     L"และข้อความปฏิเสธความรับผิดชอบด้านล่างไว้ในเอกสารประกอบและ/หรือสื่ออื่นที่ให้มาพร้อมกับการแจกจ่าย\r\n"
     L"\r\n"
     L"เจ้าของลิขสิทธิ์และผู้มีส่วนร่วมจัดให้ซอฟต์แวร์นี้ \"ตามสภาพ\" และปฏิเสธการรับประกันใด ๆ "
     L"ทั้งโดยชัดแจ้งหรือโดยนัย ซึ่งรวมถึงแต่ไม่จำกัดเพียงการรับประกันโดยนัยด้านความเหมาะสมในเชิงพาณิชย์"
     L"และความเหมาะสมสำหรับวัตถุประสงค์เฉพาะ ไม่ว่าในกรณีใด เจ้าของลิขสิทธิ์หรือผู้มีส่วนร่วมจะไม่รับผิด"
     L"ต่อความเสียหายใด ๆ ไม่ว่าโดยตรง โดยอ้อม โดยบังเอิญ กรณีพิเศษ ในเชิงลงโทษ หรือเป็นผลสืบเนื่อง "
     L"(ซึ่งรวมถึงแต่ไม่จำกัดเพียงการจัดหาสินค้าหรือบริการทดแทน การสูญเสียการใช้งาน ข้อมูล หรือผลกำไร "
     L"หรือการหยุดชะงักทางธุรกิจ) ไม่ว่าจะเกิดขึ้นจากสาเหตุใดและตามหลักความรับผิดใด ไม่ว่าจะเป็นตามสัญญา "
     L"ความรับผิดโดยเคร่งครัด หรือการละเมิด (รวมถึงความประมาทเลินเล่อหรืออื่น ๆ) "
     L"ที่เกิดขึ้นไม่ว่าในทางใดจากการใช้ซอฟต์แวร์นี้ แม้จะได้รับแจ้งถึงความเป็นไปได้ที่จะเกิดความเสียหายดังกล่าวแล้วก็ตาม"},
    {L"ERROR_TARGET_DIR_MESSAGE",
     L"ไม่สามารถติดตั้ง Zanvo Archiver ลงในโฟลเดอร์ที่เลือกได้ โปรดเลือกโฟลเดอร์อื่น"},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"ข้อตกลงสิทธิ์การใช้งาน"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"เลือกตำแหน่งที่จะติดตั้ง"},
    {L"IDC_FIRST_SCREEN_TEXT", L"ซอฟต์แวร์ที่ใช้ง่ายและเป็นมิตรที่สุดสำหรับเปิดและสร้างไฟล์บีบอัด"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"การผสานรวมกับเบราว์เซอร์"},
    {L"IDC_BUTTON_INSTALL", L"ติดตั้ง(&I) >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"กำลังติดตั้ง Zanvo Archiver"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"โปรดเลือกโฟลเดอร์ปลายทางของ Zanvo Archiver..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"ติดตั้งแถบเครื่องมือ Zanvo ในเว็บเบราว์เซอร์ของฉัน"},
};

}  // namespace

const Language kLanguageThai = {kStrings, static_cast<int32_t>(std::size(kStrings)), 156, L"ไทย", "th"};
