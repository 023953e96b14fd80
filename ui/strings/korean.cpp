// Korean. Mnemonics follow the Korean convention of a Latin letter in
// parentheses after the word: "취소(&C)".
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    {L"IDC_CB_RUN_PROGRAM", L"지금 Zanvo Archiver 실행"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"Zanvo Archiver가 웹 브라우저에서 변경할 수 있는 항목을 선택하세요. 이 설정은 나중에 바꿀 수 "
     L"있습니다."},
    {L"IDC_LINK_TOOLBAR_PP", L"개인정보 처리방침"},
    {L"IDC_TEXT_SCREEN_HEADER_UNINSTALL_PROGRESS", L"Zanvo Archiver 제거 중"},
    {L"IDC_CB_ACCEPT_LICENSE", L"사용권 계약의 조건에 동의합니다(&A)"},
    {L"IDC_LINK_DECLINE", L"거부"},
    {L"IDC_BUTTON_NEXT", L"설치 >"},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"선택한 폴더가 비어 있지 않습니다. 폴더 안의 파일이 바뀔 수 있습니다. 계속하시겠습니까?"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"설치 완료"},
    {L"IDC_BUTTON_BROWSE_DESTINATION", L"찾아보기(&R)..."},
    {L"IDC_TEXT_INSTALL_OVERALL", L"전체 진행률"},
    {L"IDC_RADIO_REBOOT_LATER", L"나중에 직접 다시 시작하겠습니다"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"Zanvo Archiver 설치를 완료하려면 컴퓨터를 다시 시작해야 합니다. 지금 다시 시작하시겠습니까?"},
    {L"IDC_TEXT_AVAILABLE_IN_GB", L"사용 가능한 공간: %0.1fGB"},
    {L"IDC_RADIO_DEFAULT_INSTALL", L"기본 설치(권장)(&D)"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"Zanvo Search를 기본 검색 엔진으로 설정"},
    {L"IDC_RADIO_REBOOT_NOW", L"지금 다시 시작"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"언어 선택"},
    {L"IDC_BUTTON_BACK", L"< 뒤로(&B)"},
    {L"IDC_TEXT_REQUIRED_IN_MB", L"필요한 공간: %0.1fMB"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"Zanvo Archiver를 선택해 주셔서 감사합니다!"},
    {L"IDC_BUTTON_CANCEL", L"취소(&C)"},
    {L"ABORT_CONFIRMATION", L"Zanvo Archiver 설치 프로그램을 종료하시겠습니까?"},
    {L"IDC_GRB_DESTINATION", L"대상 폴더"},
    {L"IDC_TEXT_TOOLBAR_TOP", L"웹 브라우저를 더 알차게 활용하세요"},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"Zanvo Archiver를 다음 폴더에 설치합니다."},
    {L"IDC_BUTTON_FINISH", L"마침(&F)"},
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"IDC_TEXT_INSTRUCTION_BOTTOM", L"설치를 시작하려면 [설치]를 클릭하세요."},
    {L"IDC_TEXT_DESTINATION_INSTRUCTION", L"다른 폴더에 설치하려면 [찾아보기]를 클릭하여 폴더를 선택하세요."},
    {L"IDC_BUTTON_AGREE", L"동의함(&A)"},
    {L"IDC_LINK_TOOLBAR_EULA", L"최종 사용자 사용권 계약"},
    {L"IDC_RADIO_CUSTOM_INSTALL", L"사용자 지정 설치(고급)(&C)"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"Zanvo Search를 홈페이지로 설정"},
    {L"ACTION_DONE", L"완료"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_TYPE", L"설치 유형"},
    {L"IDC_EDIT_LICENSE",
     L"Copyright (c) 2026 Kelvarion Ltd\r\n"
     L"모든 권리 보유.\r\n"
     L"\r\n"
     L"다음 조건을 충족하는 경우에 한하여, 수정 여부와 관계없이 소스 형태와 바이너리 형태로 재배포하고 "
     L"사용하는 것을 허용합니다.\r\n"
     L"\r\n"
     L"1. 소스 코드를 재배포할 때에는 위의 저작권 고지, 이 조건 목록 및 아래의 면책 조항을 유지해야 "
     L"합니다.\r\n"
     L"\r\n"
     L"2. 바이너리 형태로 재배포할 때에는 배포물과 함께 제공되는 문서 및/또는 기타 자료에 위의 저작권 고지, "
     L"이 조건 목록 및 아래의 면책 조항을 포함해야 합니다.\r\n"
     L"\r\n"
     L"이 소프트웨어는 저작권자와 기여자가 \"있는 그대로\" 제공하며, 상품성 및 특정 목적에의 적합성에 "
     L"대한 묵시적 보증을 포함하되 이에 국한되지 않는 모든 명시적 또는 묵시적 보증을 부인합니다. 저작권자나 "
     L"기여자는 어떠한 경우에도, 그 원인이 무엇이든, 그리고 계약, 엄격 책임 또는 불법 행위(과실 등을 포함) "
     L"중 어떠한 책임 이론에 근거하든, 이 소프트웨어의 사용으로 인해 어떤 방식으로든 발생한 직접적, 간접적, "
     L"부수적, 특별, 징벌적 또는 결과적 손해(대체 상품 또는 서비스의 조달, 사용 손실, 데이터 손실, 이익 "
     L"손실 또는 영업 중단을 포함하되 이에 국한되지 않음)에 대해 책임을 지지 않으며, 이는 그러한 손해의 "
     L"가능성을 사전에 알고 있었더라도 마찬가지입니다."},
    {L"ERROR_TARGET_DIR_MESSAGE",
     L"선택한 폴더에는 Zanvo Archiver를 설치할 수 없습니다. 다른 폴더를 선택하세요."},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"사용권 계약"},
    {L"IDC_TEXT_SCREEN_HEADER_DESTINATION", L"설치 위치 선택"},
    {L"IDC_FIRST_SCREEN_TEXT", L"압축 파일을 열고 만드는 가장 쉽고 편리한 프로그램"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"브라우저 통합"},
    {L"IDC_BUTTON_INSTALL", L"설치(&I) >"},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"Zanvo Archiver 설치 중"},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"Zanvo Archiver를 설치할 폴더를 선택하세요..."},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"웹 브라우저에 Zanvo 도구 모음 설치"},
};

}  // namespace

const Language kLanguageKorean = {kStrings, static_cast<int32_t>(std::size(kStrings)), 151, L"한국어", "ko"};
