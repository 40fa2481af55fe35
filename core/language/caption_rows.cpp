#include "core/language/caption_rows.h"

#include <array>

namespace q6 {
namespace {

using enum LanguageWindow;

// Adding a control that a text row names means adding its line here.
constexpr std::array kCaptionRows = {
    CaptionRow{0, Main, "Form1"},
    CaptionRow{1, Main, "TsDimmprofil"},
    CaptionRow{2, Main, "TsGeraeteeinstellungen"},
    CaptionRow{3, Main, "Mpconfig"},
    CaptionRow{6, Main, "option1"},
    CaptionRow{7, Main, "language1"},
    CaptionRow{8, Main, "german1"},
    CaptionRow{9, Main, "english1"},
    CaptionRow{10, Main, "Info1"},
    CaptionRow{11, Main, "about1"},
    CaptionRow{12, Main, "clk_uc"},
    CaptionRow{15, Main, "op_time_all"},
    CaptionRow{16, Main, "op_time_dimm"},
    CaptionRow{17, Main, "op_time_act"},
    CaptionRow{18, Main, "uC_read_bt"},
    CaptionRow{19, Main, "uC_send_bt"},
    CaptionRow{20, Main, "works"},
    CaptionRow{21, Main, "internal"},
    CaptionRow{23, Main, "en_saving"},
    CaptionRow{24, Main, "nominal"},
    CaptionRow{25, Main, "actual"},
    CaptionRow{26, Main, "fan_on"},
    CaptionRow{27, Main, "err"},
    CaptionRow{34, Main, "GbDimmprofilWt"},
    CaptionRow{35, Main, "LbDimmphase"},
    CaptionRow{36, Main, "Label2"},
    CaptionRow{37, Main, "Label10"},
    CaptionRow{38, Main, "Label16"},
    CaptionRow{39, Main, "Label41"},
    CaptionRow{42, Main, "GbDimmprofilWe"},
    CaptionRow{43, Main, "Label35"},
    CaptionRow{44, Main, "Label17"},
    CaptionRow{45, Main, "Label18"},
    CaptionRow{46, Main, "Label23"},
    CaptionRow{47, Main, "Label42"},
    CaptionRow{65, Main, "MenuePasswort1"},
    CaptionRow{74, Main, "GBMesswerte"},
    CaptionRow{75, Main, "LbUz"},
    CaptionRow{76, Main, "Label3"},
    CaptionRow{77, Main, "Label6"},
    CaptionRow{79, Main, "Label39"},
    CaptionRow{80, Main, "Label15"},
    CaptionRow{103, Main, "TSFehlerspeicher"},
    CaptionRow{118, Main, "TsKalibrierung"},
    CaptionRow{119, Main, "TsRam"},
    CaptionRow{120, Main, "GroupBox9"},
    CaptionRow{162, Main, "Label13"},
    CaptionRow{164, Main, "Schwe1"},
    CaptionRow{165, Main, "Franzsich1"},
    CaptionRow{168, Main, "tuerk1"},
    CaptionRow{177, Main, "LbLeistungsbegrenzung"},
    CaptionRow{178, Main, "Fehlerdateispeichern1"},
    CaptionRow{179, Main, "LbTempbegrenzung"},
    CaptionRow{186, Main, "LbPoti"},
    CaptionRow{187, Main, "LbAnalog"},
    CaptionRow{221, Main, "MpDimmProfilLaden"},
    CaptionRow{222, Main, "MpDimmProfilSpeichern"},
    CaptionRow{225, Main, "MpGeraetedatenLaden"},
    CaptionRow{226, Main, "MpGeraetedatenSpeichern"},
    CaptionRow{229, Main, "LbPDc"},
    CaptionRow{234, Main, "LbUAcSollSps"},
    CaptionRow{235, Main, "LbUAcIst"},
    CaptionRow{52, Info, "Infofenst"},
    CaptionRow{53, Info, "GroupBox1"},
    CaptionRow{54, Info, "Label7"},
    CaptionRow{56, Info, "GroupBox2"},
    CaptionRow{57, Info, "Label2"},
    CaptionRow{58, Info, "Label1"},
    CaptionRow{59, Info, "Label3"},
    CaptionRow{60, Info, "Label4"},
    CaptionRow{61, Info, "Label8"},
    CaptionRow{62, Info, "Label5"},
    CaptionRow{63, Info, "Label9"},
    CaptionRow{64, Info, "Label6"},
    CaptionRow{109, Info, "Label11"},
    CaptionRow{227, Info, "LbInfoGeraetenr"},
};

const std::array kMessageRows = {
    MessageRow{219, &TMessage::SensErrorKK1},       MessageRow{220, &TMessage::SensErrorKK2},
    MessageRow{174, &TMessage::OverTempKK1},        MessageRow{175, &TMessage::OverTempKK2},
    MessageRow{28, &TMessage::UzMaxError},          MessageRow{170, &TMessage::IzMaxError},
    MessageRow{169, &TMessage::ConceptError},       MessageRow{33, &TMessage::PermanentError},
    MessageRow{173, &TMessage::PowerMax},           MessageRow{171, &TMessage::ShortCircuitAc},
    MessageRow{172, &TMessage::UAcMaxBack},         MessageRow{228, &TMessage::WrongVersion},
    MessageRow{230, &TMessage::StartCommunication}, MessageRow{231, &TMessage::MsgProtokoll1},
    MessageRow{233, &TMessage::MsgProtokoll3},
};

}  // namespace

std::span<const CaptionRow> CaptionRows() { return kCaptionRows; }
std::span<const MessageRow> MessageRows() { return kMessageRows; }

}  // namespace q6
