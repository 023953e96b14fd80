// Vietnamese.
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"Chạy Zanvo Archiver ngay"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"Chọn những gì Zanvo Archiver được phép thay đổi trong trình duyệt web của bạn. Bạn có thể đổi các "
     L"thiết lập này sau."},
    {L"IDC_LINK_TOOLBAR_PP", L"Chính sách quyền riêng tư"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"Đang gỡ cài đặt Zanvo Archiver"},
    {L"IDC_CB_ACCEPT_LICENSE", L"&Tôi đồng ý với các điều khoản của Thỏa thuận cấp phép"},
    {L"IDC_LINK_DECLINE", L"Từ chối"},
    {L"IDC_BUTTON_NEXT", L"Cài đặt >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"Thư mục đã chọn không trống. Các tệp trong thư mục có thể bị thay thế. Bạn có muốn tiếp tục không?"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"Cài đặt hoàn tất"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"&Duyệt..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"Tiến trình chung"},
    {L"IDC_RADIO_REBOOT_LATER", L"Tôi sẽ tự khởi động lại máy sau"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"Cần khởi động lại máy tính để hoàn tất việc cài đặt Zanvo Archiver. Bạn có muốn khởi động lại ngay "
     L"bây giờ không?"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"Dung lượng còn trống: %0.1f GB"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"Cài đặt &mặc định (khuyên dùng)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"Đặt Zanvo Search làm công cụ tìm kiếm mặc định"},
    {L"IDC_RADIO_REBOOT_NOW", L"Khởi động lại ngay"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"Chọn ngôn ngữ"},
    {L"IDC_BUTTON_BACK", L"< &Quay lại"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"Dung lượng cần có: %0.1f MB"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"Cảm ơn bạn đã chọn Zanvo Archiver!"},
    {L"IDC_BUTTON_CANCEL", L"&Hủy"},
    {L"ABORT_CONFIRMATION", L"Bạn có chắc muốn thoát khỏi trình cài đặt Zanvo Archiver không?"},
    {L"IDC_GRB_DESTINATION", L"Thư mục đích"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"Tận dụng tối đa trình duyệt web của bạn"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"Trình cài đặt sẽ cài Zanvo Archiver vào thư mục sau."},
    {L"IDC_BUTTON_FINISH", L"&Hoàn tất"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"Bấm Cài đặt để bắt đầu cài đặt."},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION", L"Để cài vào thư mục khác, hãy bấm Duyệt và chọn thư mục bạn muốn."},
    {L"IDC_BUTTON_AGREE", L"Tôi &đồng ý"},
    {L"IDC_LINK_TOOLBAR_EULA", L"Thỏa thuận cấp phép người dùng cuối"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"Cài đặt tùy &chỉnh (nâng cao)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"Đặt Zanvo Search làm trang chủ"},
    {L"ACTION_DONE", L"Xong"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"Kiểu cài đặt"},
    {L"IDC_EDIT_LICENSE",
     L"Bản quyền (c) 2026 Kelvarion Ltd\r\n"
     L"Mọi quyền được bảo lưu.\r\n"
     L"\r\n"
     L"Cho phép phân phối lại và sử dụng dưới dạng mã nguồn hoặc dạng nhị phân, có hoặc không có sửa đổi, "
     L"với điều kiện đáp ứng các điều kiện sau:\r\n"
     L"\r\n"
     L"1. Bản phân phối lại của mã nguồn phải giữ nguyên thông báo bản quyền ở trên, danh sách điều kiện "
     L"này và tuyên bố miễn trừ trách nhiệm dưới đây.\r\n"
     L"\r\n"
     L"2. Bản phân phối lại dưới dạng nhị phân phải sao chép thông báo bản quyền ở trên, danh sách điều kiện "
     L"này và tuyên bố miễn trừ trách nhiệm dưới đây vào tài liệu hướng dẫn và/hoặc các tài liệu khác được "
     L"cung cấp kèm theo bản phân phối.\r\n"
     L"\r\n"
     L"PHẦN MỀM NÀY ĐƯỢC CÁC CHỦ SỞ HỮU BẢN QUYỀN VÀ NHỮNG NGƯỜI ĐÓNG GÓP CUNG CẤP \"NGUYÊN TRẠNG\" VÀ "
     L"MỌI BẢO ĐẢM RÕ RÀNG HAY NGỤ Ý, BAO GỒM NHƯNG KHÔNG GIỚI HẠN Ở CÁC BẢO ĐẢM NGỤ Ý VỀ KHẢ NĂNG "
     L"THƯƠNG MẠI VÀ SỰ PHÙ HỢP CHO MỘT MỤC ĐÍCH CỤ THỂ, ĐỀU BỊ KHƯỚC TỪ. TRONG MỌI TRƯỜNG HỢP, CHỦ SỞ HỮU "
     L"BẢN QUYỀN HOẶC NHỮNG NGƯỜI ĐÓNG GÓP ĐỀU KHÔNG CHỊU TRÁCH NHIỆM VỀ BẤT KỲ THIỆT HẠI TRỰC TIẾP, GIÁN "
     L"TIẾP, NGẪU NHIÊN, ĐẶC BIỆT, MANG TÍNH TRỪNG PHẠT HOẶC HỆ QUẢ NÀO (BAO GỒM NHƯNG KHÔNG GIỚI HẠN Ở VIỆC "
     L"MUA SẮM HÀNG HÓA HOẶC DỊCH VỤ THAY THẾ; MẤT KHẢ NĂNG SỬ DỤNG, MẤT DỮ LIỆU HOẶC LỢI NHUẬN; HOẶC GIÁN "
     L"ĐOẠN KINH DOANH), DÙ DO BẤT KỲ NGUYÊN NHÂN NÀO VÀ THEO BẤT KỲ CƠ SỞ TRÁCH NHIỆM PHÁP LÝ NÀO, DÙ LÀ "
     L"THEO HỢP ĐỒNG, TRÁCH NHIỆM NGHIÊM NGẶT HAY BỒI THƯỜNG NGOÀI HỢP ĐỒNG (BAO GỒM SƠ SUẤT HOẶC LÝ DO "
     L"KHÁC), PHÁT SINH DƯỚI BẤT KỲ HÌNH THỨC NÀO TỪ VIỆC SỬ DỤNG PHẦN MỀM NÀY, NGAY CẢ KHI ĐÃ ĐƯỢC BÁO "
     L"TRƯỚC VỀ KHẢ NĂNG XẢY RA THIỆT HẠI ĐÓ."},
    {L"ERROR_TARGET_DIR_MESSAGE", L"Không thể cài Zanvo Archiver vào thư mục đã chọn. Vui lòng chọn thư mục khác."},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"Thỏa thuận cấp phép"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"Chọn nơi cài đặt"},
    {L"IDC_FIRST_SCREEN_TEXT", L"Phần mềm thân thiện và đơn giản nhất để mở và tạo tệp nén"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"Tích hợp trình duyệt"},
    {L"IDC_BUTTON_INSTALL", L"&Cài đặt >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"Đang cài đặt Zanvo Archiver"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"Vui lòng chọn thư mục đích cho Zanvo Archiver..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"Cài thanh công cụ Zanvo vào các trình duyệt web của tôi"},
};

}  // namespace

const Language kLanguageVietnamese = {kStrings, static_cast<int32_t>(std::size(kStrings)), 158, L"Tiếng Việt",
                                      "vi"};
