// Turkish.
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"Zanvo Archiver'ı şimdi çalıştır"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"Zanvo Archiver'ın web tarayıcılarınızda neleri değiştirebileceğini seçin. Bu ayarları daha sonra "
     L"değiştirebilirsiniz."},
    {L"IDC_LINK_TOOLBAR_PP", L"Gizlilik Politikası"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"Zanvo Archiver kaldırılıyor"},
    {L"IDC_CB_ACCEPT_LICENSE", L"Lisans Sözleşmesi'nin koşullarını &kabul ediyorum"},
    {L"IDC_LINK_DECLINE", L"Reddet"},
    {L"IDC_BUTTON_NEXT", L"Yükle >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"Seçilen klasör boş değil. İçindeki dosyalar değiştirilebilir. Devam etmek istiyor musunuz?"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"Kurulum tamamlandı"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"&Gözat..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"Genel ilerleme"},
    {L"IDC_RADIO_REBOOT_LATER", L"Bilgisayarı daha sonra kendim yeniden başlatacağım"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"Zanvo Archiver kurulumunun tamamlanması için bilgisayarınızın yeniden başlatılması gerekiyor. Şimdi "
     L"yeniden başlatmak istiyor musunuz?"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"Kullanılabilir alan: %0.1f GB"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"&Varsayılan kurulum (önerilen)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"Zanvo Search'ü varsayılan arama motorum yap"},
    {L"IDC_RADIO_REBOOT_NOW", L"Şimdi yeniden başlat"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"Dil Seçimi"},
    {L"IDC_BUTTON_BACK", L"< &Geri"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"Gereken alan: %0.1f MB"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"Zanvo Archiver'ı seçtiğiniz için teşekkür ederiz!"},
    {L"IDC_BUTTON_CANCEL", L"&İptal"},
    {L"ABORT_CONFIRMATION", L"Zanvo Archiver Kurulumu'ndan çıkmak istediğinize emin misiniz?"},
    {L"IDC_GRB_DESTINATION", L"Hedef Klasör"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"Web tarayıcınızdan en iyi şekilde yararlanın"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"Kurulum, Zanvo Archiver'ı aşağıdaki klasöre yükleyecek."},
    {L"IDC_BUTTON_FINISH", L"&Son"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"Kurulumu başlatmak için Yükle'ye tıklayın."},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION",
     L"Başka bir klasöre yüklemek için Gözat'a tıklayın ve istediğiniz klasörü seçin."},
    {L"IDC_BUTTON_AGREE", L"&Kabul Ediyorum"},
    {L"IDC_LINK_TOOLBAR_EULA", L"Son Kullanıcı Lisans Sözleşmesi"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"Ö&zel kurulum (gelişmiş)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"Zanvo Search'ü giriş sayfam yap"},
    {L"ACTION_DONE", L"Tamamlandı"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"Kurulum Türü"},
    {L"IDC_EDIT_LICENSE",
     L"Telif Hakkı (c) 2026 Kelvarion Ltd\r\n"
     L"Tüm hakları saklıdır.\r\n"
     L"\r\n"
     L"Aşağıdaki koşulların sağlanması şartıyla, kaynak ve ikili biçimlerde, değiştirilerek veya "
     L"değiştirilmeden yeniden dağıtıma ve kullanıma izin verilir:\r\n"
     L"\r\n"
     L"1. Kaynak kodun yeniden dağıtımları yukarıdaki telif hakkı bildirimini, bu koşullar listesini ve "
     L"aşağıdaki sorumluluk reddi beyanını korumalıdır.\r\n"
     L"\r\n"
     L"2. İkili biçimdeki yeniden dağıtımlar, yukarıdaki telif hakkı bildirimini, bu koşullar listesini ve "
     L"aşağıdaki sorumluluk reddi beyanını dağıtımla birlikte sağlanan belgelerde ve/veya diğer "
     L"materyallerde yeniden üretmelidir.\r\n"
     L"\r\n"
     L"BU YAZILIM, TELİF HAKKI SAHİPLERİ VE KATKIDA BULUNANLAR TARAFINDAN \"OLDUĞU GİBİ\" SAĞLANMAKTADIR; "
     L"TİCARİ ELVERİŞLİLİK VE BELİRLİ BİR AMACA UYGUNLUK KONUSUNDAKİ ZIMNİ GARANTİLER DAHİL ANCAK BUNLARLA "
     L"SINIRLI OLMAMAK ÜZERE, AÇIK VEYA ZIMNİ HER TÜRLÜ GARANTİ REDDEDİLMEKTEDİR. TELİF HAKKI SAHİBİ VEYA "
     L"KATKIDA BULUNANLAR, HİÇBİR DURUMDA, NEDENİ NE OLURSA OLSUN VE SÖZLEŞMEYE, KUSURSUZ SORUMLULUĞA VEYA "
     L"HAKSIZ FİİLE (İHMAL VEYA BAŞKA BİR SEBEP DAHİL) DAYANAN HANGİ SORUMLULUK TEORİSİNE GÖRE OLURSA "
     L"OLSUN, BU YAZILIMIN KULLANIMINDAN HERHANGİ BİR ŞEKİLDE DOĞAN DOĞRUDAN, DOLAYLI, ARIZİ, ÖZEL, "
     L"ÖRNEK TEŞKİL EDEN VEYA DOLAYLI SONUÇ OLARAK ORTAYA ÇIKAN ZARARLARDAN (İKAME MAL VEYA HİZMET TEMİNİ; "
     L"KULLANIM, VERİ VEYA KÂR KAYBI YA DA İŞİN DURMASI DAHİL ANCAK BUNLARLA SINIRLI OLMAMAK ÜZERE), BU TÜR "
     L"BİR ZARAR OLASILIĞI KENDİLERİNE BİLDİRİLMİŞ OLSA BİLE SORUMLU TUTULAMAZ."},
    {L"ERROR_TARGET_DIR_MESSAGE", L"Zanvo Archiver seçilen klasöre yüklenemiyor. Lütfen başka bir klasör seçin."},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"Lisans Sözleşmesi"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"Kurulum Konumunu Seçin"},
    {L"IDC_FIRST_SCREEN_TEXT", L"Arşivleri açmak ve oluşturmak için en kullanışlı ve en basit yazılım"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"Tarayıcı Tümleştirmesi"},
    {L"IDC_BUTTON_INSTALL", L"&Yükle >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"Zanvo Archiver yükleniyor"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"Lütfen Zanvo Archiver için hedef klasörü seçin..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"Zanvo araç çubuğunu web tarayıcılarıma yükle"},
};

}  // namespace

const Language kLanguageTurkish = {kStrings, static_cast<int32_t>(std::size(kStrings)), 157, L"Türkçe", "tr"};
