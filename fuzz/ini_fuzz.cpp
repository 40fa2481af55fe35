// Any file bytes as a program settings file, a dimming profile, device settings and product data:
// loading sets the real controls and never fails hard, the INI engine reads back what it wrote,
// and a file the program saved loads back to the very values it holds.

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/files/ini_file.h"
#include "core/files/settings_keys.h"
#include "core/files/text_encoding.h"
#include "fuzz/fuzz_program.h"

namespace {

using q6::TForm1;

struct SettingsFile {
  const q6::SettingsFileKind& kind;
  bool (TForm1::*load)(const std::string&);
  void (TForm1::*save)(const std::string&);
};
const SettingsFile kFiles[] = {
    {q6::kDimmProfileFile, &TForm1::LoadDimmProfile, &TForm1::SaveDimmProfile},
    {q6::kDeviceSettingsFile, &TForm1::LoadDeviceSettings, &TForm1::SaveDeviceSettings},
    {q6::kProductDataFile, &TForm1::LoadProductData, &TForm1::SaveProductData},
};

// The value of every key of the kind as the file on disk holds it.
std::vector<std::optional<std::string>> KeyValues(const std::string& path,
                                                  const q6::SettingsFileKind& kind) {
  const q6::IniFile ini = q6::LoadIniFile(path).ini;
  std::vector<std::optional<std::string>> values;
  for (const q6::SettingsSection& section : kind.sections)
    for (const q6::SettingKey* key : section.saveOrder)
      values.push_back(ini.read(section.name, key->name));
  return values;
}

void CheckEngine(std::string_view bytes, TForm1& form) {
  q6::IniFile ini = q6::IniFile::parse(q6::DecodeText(bytes));
  form.LoadSettings(ini);
  ini.write("Option", "Com", "COM7");
  q6::fuzz::Expect(q6::IniFile::parse(ini.text()).read("option", "COM") == "COM7",
                   "a written key reads back");
}

void CheckFile(std::string_view bytes, TForm1& form, const SettingsFile& file,
               const std::string& path) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), std::streamsize(bytes.size()));
  const bool loaded = (form.*file.load)(path);
  if (!q6::LoadIniFile(path).error.empty()) {
    // No text file: refused, and never saved over.
    q6::fuzz::Expect(!loaded, "a file that cannot be read is refused");
    return;
  }
  if (file.kind.validateAfterLoad) form.CheckValues(form);
  // Saving over the file keeps its other lines; what it wrote must survive a load and a save.
  (form.*file.save)(path);
  const auto saved = KeyValues(path, file.kind);
  q6::fuzz::Expect((form.*file.load)(path), "a saved file loads");
  (form.*file.save)(path);
  q6::fuzz::Expect(KeyValues(path, file.kind) == saved, "a saved file loads to the same values");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  q6::fuzz::FuzzProgram& program = q6::fuzz::SharedProgram();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckEngine(bytes, program.form());
  const std::string path = (program.platform.dir.path() / "input.ini").string();
  for (const SettingsFile& file : kFiles) CheckFile(bytes, program.form(), file, path);
  return 0;
}
