#include "core/language/text_table.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>

namespace {

using q6::kTextRows;
using q6::kTextTable;
using q6::Language;

constexpr int kColumns = q6::kLanguageCount;

const char* const kColumnNames[kColumns] = {"English", "German", "Swedish", "French", "Turkish"};

std::string_view Cell(int row, int column) { return kTextTable[row][column]; }

std::string Where(int row, int column) {
  return "row " + std::to_string(row) + ", " + kColumnNames[column];
}

std::string Placeholder(int row) { return "-" + std::to_string(row) + "-"; }

// Rows from here on came later and are translated into every language.
constexpr int kFirstAddedRow = 250;

// Rows whose translation is missing in the given column.
bool IsPlaceholderCell(int row, int column) {
  if (row >= kFirstAddedRow) return false;
  if (column <= static_cast<int>(Language::German)) return row == 223 || row >= 236;
  return (row >= 177 && row <= 186) || row >= 188;
}

bool LooksLikePlaceholder(std::string_view text) {
  if (text.size() < 3 || text.front() != '-' || text.back() != '-') return false;
  for (char c : text.substr(1, text.size() - 2)) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Strict UTF-8 check: no stray continuation bytes, overlong forms, surrogates or values above
// U+10FFFF.
bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      value = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      value = (value << 6) | (next & 0x3F);
    }
    if ((length == 3 && value < 0x800) || (length == 4 && value < 0x10000)) return false;
    if ((value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return false;
    i += length;
  }
  return true;
}

TEST(TextTable, EveryCellIsSetAndValidUtf8) {
  for (int row = 0; row < kTextRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      ASSERT_NE(kTextTable[row][column], nullptr) << Where(row, column);
      EXPECT_TRUE(IsValidUtf8(Cell(row, column))) << Where(row, column);
    }
  }
}

TEST(TextTable, Utf8CheckRejectsMalformedInput) {
  struct Case {
    const char* bytes;
    bool valid;
  };
  const Case cases[] = {
      {"Geräteeinstellung", true},
      {"İSVEÇÇE ", true},
      {"\x80", false},
      {"\xC3", false},
      {"\xC0\xAF", false},
      {"\xED\xA0\x80", false},
      {"\xF5\x80\x80\x80", false},
      {"\xE4\xF6", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(TextTable, MissingTranslationsHoldTheirRowNumberAndNoOtherCellLooksLikeOne) {
  for (int row = 0; row < kTextRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      if (IsPlaceholderCell(row, column)) {
        EXPECT_EQ(Cell(row, column), Placeholder(row)) << Where(row, column);
      } else {
        EXPECT_FALSE(LooksLikePlaceholder(Cell(row, column))) << Where(row, column);
      }
    }
  }
}

TEST(TextTable, OnlyRow161IsEmpty) {
  for (int row = 0; row < kTextRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      EXPECT_EQ(Cell(row, column).empty(), row == 161) << Where(row, column);
    }
  }
}

TEST(TextTable, Row187ReadsAbcWhereTheTranslationIsMissing) {
  for (Language language : {Language::Swedish, Language::French, Language::Turkish}) {
    EXPECT_EQ(Cell(187, static_cast<int>(language)), "ABC")
        << kColumnNames[static_cast<int>(language)];
  }
  EXPECT_EQ(Cell(187, static_cast<int>(Language::German)), "Analog");
}

struct ExactText {
  int row;
  Language language;
  const char* text;
};

const ExactText kExactTexts[] = {
    {0, Language::German, "Tessaro GmbH - quenDARIS - Visualisierung VRKA 6.1"},
    {34, Language::German, "Dimmprofil: So-Do Nacht "},
    {66, Language::German, " Bitte Passwort eingeben!"},
    {131, Language::German, "d) Dimmer im Zustand: \"Normalbetrieb\""},
    {134, Language::German, "Button \"Kalibrierung !\" drücken"},
    {143, Language::German, "Hardware kann nicht kalibriert werden.    Hardwarstand <= Rev. 13"},
    {200, Language::German, " - ENTWÄRMUNG "},
    {201, Language::German, "NORMALBETRIEB "},
    {202, Language::German, "NORMALBETRIEB"},
    {0, Language::English, "Tessaro GmbH - quenDARIS - visualisation VRKA 6.1"},
    {28, Language::English, "DC-Link overvoltage fault"},
    {34, Language::English, "diming profil: so-th night "},
    {50, Language::English, "com activate"},
    {66, Language::English, " Please, enter password!"},
    {101, Language::English, "com deactivate"},
    {103, Language::English, "fault memory "},
    {106, Language::English, "Error"},
    {107, Language::English, "Date"},
    {108, Language::English, "Nr."},
    {188, Language::English, "time to "},
    {192, Language::English, "cable net"},
    {193, Language::English, "overhead lines"},
    {194, Language::English, "special function"},
    {198, Language::English, "OFFLINE"},
    {199, Language::English, "BURN IN"},
    {200, Language::English, " - COOL DOWN"},
    {201, Language::English, "NORMAL OPERATION"},
    {202, Language::English, "NORMAL OPERATION"},
    {203, Language::English, "NORMAL OPERATION"},
    {204, Language::English, "NORMAL OPERATION"},
    {205, Language::English, "NORMAL OPERATION"},
    {206, Language::English, "NORMAL OPERATION"},
    {207, Language::English, "MANUELL"},
    {208, Language::English, "ERROR"},
    {209, Language::English, "CALIBRATION"},
    {210, Language::English, "COMISSIONING"},
    {211, Language::English, "STANDBY"},
    {212, Language::English, "RESET"},
    {213, Language::English, "REGIME UNKNOWN"},
    {214, Language::English, " (CABLE NET)"},
    {215, Language::English, " (OVERHAED LINE)"},
    {216, Language::English, " (SPECIAL FUNCTION)"},
    {217, Language::English, " (TEMPERATURE REDUCTION)"},
    {218, Language::English, " (POWER REDUCTION)"},
    {227, Language::English, "device number: "},
    {228, Language::English, "This program support only quendaris-products with Version 6.x"},
    {230, Language::English, "Please, first start communication!"},
    {231, Language::English, "software version visualisation <> software version controller !"},
    {233, Language::English, "please update pc software!"},
    {59, Language::English, "72770 Reutlingen (Germany)"},
    {59, Language::German, "72770 Reutlingen"},
    {59, Language::Swedish, "72770 Reutlingen (Tyskland)"},
    {59, Language::French, "72770 Reutlingen (Allemagne)"},
    {59, Language::Turkish, "72770 Reutlingen"},
};

TEST(TextTable, FixedTextsMatchExactlyIncludingBlanks) {
  for (const ExactText& expected : kExactTexts) {
    const int column = static_cast<int>(expected.language);
    EXPECT_EQ(Cell(expected.row, column), expected.text) << Where(expected.row, column);
  }
}

struct FullRow {
  int row;
  std::array<const char*, kColumns> texts;
};

const FullRow kFullRows[] = {
    {8, {"german", "Deutsch", "Tyska", "allemand", "ALMANCA "}},
    {9, {"english", "Englisch", "Engelsk", "anglais", "İNGİLİZCE "}},
    {164, {"swedish", "Schwedisch", "Svenska", "suédois", "İSVEÇÇE "}},
    {165, {"french", "Französisch", "Franska", "français", "FRANSIZCA "}},
    {168, {"turkish", "Türkisch", "Turkisk", "turque", "TÜRKÇE "}},
    {65,
     {"password request", "Passwortabfrage", "Lösenordsinmatning", "demande de mot de passe",
      "ŞİFRE GİRİŞİ "}},
    {250,
     {"No permission: add the user to the group dialout (sudo usermod -aG dialout $USER) and "
      "log in again.",
      "Keine Berechtigung: den Benutzer in die Gruppe dialout aufnehmen (sudo usermod -aG "
      "dialout $USER) und neu anmelden.",
      "Behörighet saknas: lägg till användaren i gruppen dialout (sudo usermod -aG dialout "
      "$USER) och logga in igen.",
      "Autorisation refusée : ajouter l'utilisateur au groupe dialout (sudo usermod -aG "
      "dialout $USER) et se reconnecter.",
      "İzin yok: kullanıcıyı dialout grubuna ekleyin (sudo usermod -aG dialout $USER) ve "
      "yeniden oturum açın."}},
};

TEST(TextTable, LanguageNamesPasswordCaptionAndPortAccessHintMatchInAllLanguages) {
  for (const FullRow& expected : kFullRows) {
    for (int column = 0; column < kColumns; ++column) {
      EXPECT_EQ(Cell(expected.row, column), expected.texts[column]) << Where(expected.row, column);
    }
  }
}

// German texts a translation may repeat unchanged: symbols, identifiers, numbers,
// contact data and a few international words.
const std::set<std::string_view> kMayMatchGerman = {
    "Info",
    "Information",
    "Tel:",
    "Fax:",
    "START",
    "Uz [V]",
    "Hz",
    "min",
    "(31.03. - 31.10.)",
    "U_red_on",
    "Tessaro GmbH",
    "Lindenweg 14",
    "72770 Reutlingen",
    "+49 7121 93 41 0",
    "+49 7121 93 41 99",
    "www.tessaro-gmbh.de",
    "",
};

TEST(TextTable, TranslatedRowsAreNotCopiesOfTheGermanText) {
  for (int row = 0; row < kTextRows; ++row) {
    if (row > 176 && row < kFirstAddedRow) continue;
    const std::string_view german = Cell(row, static_cast<int>(Language::German));
    if (kMayMatchGerman.count(german) != 0) continue;
    for (Language language : {Language::Swedish, Language::French, Language::Turkish}) {
      const int column = static_cast<int>(language);
      EXPECT_NE(Cell(row, column), german) << Where(row, column);
    }
  }
}

}  // namespace
