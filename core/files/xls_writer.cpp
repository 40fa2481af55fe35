// The workbook is the smallest one Excel, LibreOffice and xlrd accept: a BIFF8 record stream
// "Workbook" (globals substream, then one worksheet substream) stored in a version 3 compound
// file with 512-byte sectors.
#include "core/files/xls_writer.h"

#include <algorithm>
#include <cstdint>

namespace q6 {
namespace {

// --- Text: UTF-8 in, UTF-16 code units out ---

std::u16string Utf16(std::string_view utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < utf8.size(); ++k)
      code =
          (code << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
    i += static_cast<std::size_t>(extra) + 1;
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (code >> 10));
      out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
  }
  return out;
}

// --- Little-endian byte output ---

class Bytes {
 public:
  void u8(unsigned value) { data_ += static_cast<char>(value & 0xFF); }
  void u16(unsigned value) {
    u8(value);
    u8(value >> 8);
  }
  void u32(std::uint32_t value) {
    u16(value & 0xFFFF);
    u16(value >> 16);
  }
  void zeros(std::size_t count) { data_.append(count, '\0'); }
  // A BIFF8 string body: option flags, then the characters. Texts within Latin-1 go as 8-bit
  // ("compressed") characters; others keep all 16 bits so no letter is lost.
  void characters(const std::u16string& text) {
    const bool compressed =
        std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= 0xFF; });
    u8(compressed ? 0x00 : 0x01);
    for (const char16_t c : text) {
      if (compressed)
        u8(c);
      else
        u16(c);
    }
  }
  void append(const std::string& bytes) { data_ += bytes; }
  std::string& data() { return data_; }

 private:
  std::string data_;
};

// A record: type, length of the body, body.
void Record(Bytes& out, unsigned type, const std::string& body) {
  out.u16(type);
  out.u16(static_cast<unsigned>(body.size()));
  out.append(body);
}

// --- BIFF8 records ---

constexpr unsigned kBof = 0x0809;
constexpr unsigned kEof = 0x000A;
constexpr unsigned kCodepage = 0x0042;
constexpr unsigned kWindow1 = 0x003D;
constexpr unsigned kFont = 0x0031;
constexpr unsigned kXf = 0x00E0;
constexpr unsigned kStyle = 0x0293;
constexpr unsigned kBoundsheet = 0x0085;
constexpr unsigned kDimensions = 0x0200;
constexpr unsigned kWindow2 = 0x023E;
constexpr unsigned kLabel = 0x0204;

constexpr unsigned kGlobalsSubstream = 0x0005;
constexpr unsigned kWorksheetSubstream = 0x0010;
// Style XFs 0..14 come first by Excel's rule; every cell uses the cell XF after them.
constexpr int kStyleXfs = 15;
constexpr unsigned kCellXf = kStyleXfs;
// A LABEL record holds at most 255 characters.
constexpr std::size_t kMaxLabelChars = 255;

std::string BofBody(unsigned substream) {
  Bytes b;
  b.u16(0x0600);  // BIFF8
  b.u16(substream);
  b.u16(0x0DBB);  // build
  b.u16(0x07CC);  // year
  b.u32(0);       // file history flags
  b.u32(0x06);    // lowest BIFF version that can read it
  return b.data();
}

std::string Window1Body() {
  Bytes b;
  b.u16(0);  // window position and size, in twips
  b.u16(0);
  b.u16(0x4000);
  b.u16(0x2000);
  b.u16(0x0038);  // horizontal and vertical scroll bars, sheet tabs
  b.u16(0);       // active sheet
  b.u16(0);       // first visible tab
  b.u16(1);       // selected sheets
  b.u16(0x0258);  // tab bar width
  return b.data();
}

std::string FontBody() {
  const std::u16string name = u"Arial";
  Bytes b;
  b.u16(200);     // height, 1/20 point
  b.u16(0);       // attributes
  b.u16(0x7FFF);  // colour: window text
  b.u16(400);     // weight: normal
  b.u16(0);       // escapement
  b.u8(0);        // underline
  b.u8(0);        // family
  b.u8(0);        // character set
  b.u8(0);
  b.u8(static_cast<unsigned>(name.size()));
  b.characters(name);
  return b.data();
}

std::string XfBody(bool styleXf) {
  Bytes b;
  b.u16(0);                          // font
  b.u16(0);                          // number format: General
  b.u16(styleXf ? 0xFFF5 : 0x0001);  // style XF, or cell XF of the Normal style
  b.u8(0x20);                        // bottom-aligned
  b.u8(0);                           // rotation
  b.u8(0);                           // indent
  b.u8(styleXf ? 0 : 0xF8);          // which attributes the cell XF sets itself
  b.u32(0);                          // borders: none
  b.u32(0);
  b.u16(0x20C0);  // pattern colours: automatic
  return b.data();
}

std::string StyleBody() {
  Bytes b;
  b.u16(0x8000);  // built-in style of XF 0
  b.u8(0);        // "Normal"
  b.u8(0xFF);
  return b.data();
}

std::string BoundsheetBody(std::uint32_t sheetOffset, const std::u16string& name) {
  Bytes b;
  b.u32(sheetOffset);  // stream position of the sheet's BOF
  b.u16(0);            // visible worksheet
  b.u8(static_cast<unsigned>(name.size()));
  b.characters(name);
  return b.data();
}

std::string DimensionsBody(std::size_t rows, std::size_t columns) {
  Bytes b;
  b.u32(0);  // first row
  b.u32(static_cast<std::uint32_t>(rows));
  b.u16(0);  // first column
  b.u16(static_cast<unsigned>(columns));
  b.u16(0);
  return b.data();
}

std::string Window2Body() {
  Bytes b;
  b.u16(0x06B6);  // grid lines, headers, zeros, outline symbols; selected and shown
  b.u16(0);       // top row
  b.u16(0);       // left column
  b.u32(64);      // grid line colour: automatic
  b.u16(0);       // zoom in page break preview: default
  b.u16(0);       // zoom in normal view: default
  b.u32(0);
  return b.data();
}

std::string LabelBody(std::size_t row, std::size_t column, std::u16string text) {
  if (text.size() > kMaxLabelChars) text.resize(kMaxLabelChars);
  Bytes b;
  b.u16(static_cast<unsigned>(row));
  b.u16(static_cast<unsigned>(column));
  b.u16(kCellXf);
  b.u16(static_cast<unsigned>(text.size()));
  b.characters(text);
  return b.data();
}

std::string Globals(std::uint32_t sheetOffset, const std::u16string& sheetName) {
  Bytes out;
  Record(out, kBof, BofBody(kGlobalsSubstream));
  Bytes codepage;
  codepage.u16(1200);  // BIFF8 text is UTF-16
  Record(out, kCodepage, codepage.data());
  Record(out, kWindow1, Window1Body());
  // Excel expects four fonts before any other (index 4 is never used).
  for (int i = 0; i < 4; ++i) Record(out, kFont, FontBody());
  for (int i = 0; i < kStyleXfs; ++i) Record(out, kXf, XfBody(true));
  Record(out, kXf, XfBody(false));
  Record(out, kStyle, StyleBody());
  Record(out, kBoundsheet, BoundsheetBody(sheetOffset, sheetName));
  Record(out, kEof, {});
  return out.data();
}

std::string Worksheet(const SheetCells& cells) {
  std::size_t rows = 0;
  std::size_t columns = 0;
  for (std::size_t r = 0; r < cells.size(); ++r)
    for (std::size_t c = 0; c < cells[r].size(); ++c)
      if (!cells[r][c].empty()) {
        rows = std::max(rows, r + 1);
        columns = std::max(columns, c + 1);
      }
  Bytes out;
  Record(out, kBof, BofBody(kWorksheetSubstream));
  Record(out, kDimensions, DimensionsBody(rows, columns));
  Record(out, kWindow2, Window2Body());
  for (std::size_t r = 0; r < cells.size(); ++r)
    for (std::size_t c = 0; c < cells[r].size(); ++c)
      if (!cells[r][c].empty()) Record(out, kLabel, LabelBody(r, c, Utf16(cells[r][c])));
  Record(out, kEof, {});
  return out.data();
}

// --- Compound file (version 3) ---

constexpr std::size_t kSector = 512;
constexpr std::size_t kDirEntry = 128;
constexpr std::size_t kFatEntriesPerSector = kSector / 4;
constexpr std::size_t kHeaderFatSlots = 109;
constexpr std::uint32_t kFreeSect = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSect = 0xFFFFFFFD;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
// Streams smaller than this would belong in the mini stream; padding the workbook to it keeps
// every stream in ordinary sectors.
constexpr std::size_t kMiniStreamCutoff = 4096;

enum class EntryType : unsigned { Empty = 0, Stream = 2, Root = 5 };

void DirectoryEntry(Bytes& out, const std::u16string& name, EntryType type, std::uint32_t child,
                    std::uint32_t start, std::uint32_t size) {
  const std::size_t begin = out.data().size();
  for (const char16_t c : name) out.u16(c);
  out.zeros(64 - 2 * name.size());
  out.u16(name.empty() ? 0 : static_cast<unsigned>(2 * (name.size() + 1)));  // with the NUL
  out.u8(static_cast<unsigned>(type));
  out.u8(1);           // black in the red-black tree
  out.u32(kNoStream);  // left sibling
  out.u32(kNoStream);  // right sibling
  out.u32(child);
  out.zeros(16 + 4 + 8 + 8);  // class id, state bits, creation and modification times
  out.u32(start);
  out.u32(size);
  out.u32(0);  // high half of the size, zero in version 3
  out.zeros(kDirEntry - (out.data().size() - begin));
}

std::string CompoundFile(std::string stream) {
  stream.resize(std::max(stream.size(), kMiniStreamCutoff), '\0');
  stream.resize((stream.size() + kSector - 1) / kSector * kSector, '\0');
  const std::size_t streamSectors = stream.size() / kSector;
  const std::size_t dirSector = streamSectors;
  std::size_t fatSectors = 1;
  while (fatSectors * kFatEntriesPerSector < streamSectors + 1 + fatSectors) ++fatSectors;

  Bytes out;
  // Header.
  out.append(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
  out.zeros(16);    // class id
  out.u16(0x003E);  // minor version
  out.u16(0x0003);  // major version 3: 512-byte sectors
  out.u16(0xFFFE);  // little-endian
  out.u16(9);       // sector size 2^9
  out.u16(6);       // mini sector size 2^6
  out.zeros(6);
  out.u32(0);  // directory sectors: always 0 in version 3
  out.u32(static_cast<std::uint32_t>(fatSectors));
  out.u32(static_cast<std::uint32_t>(dirSector));
  out.u32(0);  // transaction signature
  out.u32(static_cast<std::uint32_t>(kMiniStreamCutoff));
  out.u32(kEndOfChain);  // no mini FAT
  out.u32(0);
  out.u32(kEndOfChain);  // no DIFAT sectors beyond the header's 109 slots
  out.u32(0);
  for (std::size_t i = 0; i < kHeaderFatSlots; ++i)
    out.u32(i < fatSectors ? static_cast<std::uint32_t>(dirSector + 1 + i) : kFreeSect);

  // The workbook stream, sector by sector.
  out.append(stream);

  // Directory: the root storage holds the one stream "Workbook".
  DirectoryEntry(out, u"Root Entry", EntryType::Root, 1, kEndOfChain, 0);
  DirectoryEntry(out, u"Workbook", EntryType::Stream, kNoStream, 0,
                 static_cast<std::uint32_t>(stream.size()));
  DirectoryEntry(out, u"", EntryType::Empty, kNoStream, 0, 0);
  DirectoryEntry(out, u"", EntryType::Empty, kNoStream, 0, 0);

  // FAT: the stream's chain, the directory's one sector, the FAT's own sectors.
  for (std::size_t i = 0; i < streamSectors; ++i)
    out.u32(i + 1 < streamSectors ? static_cast<std::uint32_t>(i + 1) : kEndOfChain);
  out.u32(kEndOfChain);
  for (std::size_t i = 0; i < fatSectors; ++i) out.u32(kFatSect);
  for (std::size_t i = streamSectors + 1 + fatSectors; i < fatSectors * kFatEntriesPerSector; ++i)
    out.u32(kFreeSect);
  return std::move(out.data());
}

}  // namespace

std::string XlsWorkbook(const SheetCells& cells, std::string_view sheetName) {
  const std::u16string name = Utf16(sheetName);
  // The globals' length does not depend on the offset they record.
  const auto sheetOffset = static_cast<std::uint32_t>(Globals(0, name).size());
  return CompoundFile(Globals(sheetOffset, name) + Worksheet(cells));
}

std::string XlsSheetName(std::string_view text) {
  constexpr std::size_t kMaxSheetName = 31;
  std::string name;
  std::size_t characters = 0;
  for (const char c : text) {
    const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    if (!continuation && ++characters > kMaxSheetName) break;
    switch (c) {
      case ':':
        name += '.';
        break;
      case '/':
      case '\\':
        name += '-';
        break;
      case '[':
        name += '(';
        break;
      case ']':
        name += ')';
        break;
      case '?':
      case '*':
        name += '_';
        break;
      default:
        name += c;
    }
  }
  return name;
}

}  // namespace q6
