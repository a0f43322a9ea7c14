#include "profiles/EsiTemplate.h"

#include "profiles/EsiIcon.h"
#include "profiles/EsiText.h"

#include <cstdio>
#include <string_view>

namespace birch {

namespace {

constexpr std::string_view kVendorId = "#x00000A5D";
constexpr std::string_view kVendorName = "Velmora";
constexpr std::string_view kGroup = "Velmora Slaves";
constexpr std::string_view kProductCode = "00000B27";
constexpr std::size_t kEntriesPerPdo = 16;

// Upper-case hexadecimal with at least `digits` digits.
std::string hex(std::uint64_t value, int digits)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*llX", digits, static_cast<unsigned long long>(value));
    return buffer;
}

// One direction's PDO blocks.
struct PdoKind {
    std::string_view element; // RxPdo or TxPdo
    std::string_view sm;
    std::uint32_t pdoIndex;
    std::string_view pdoName;
    std::uint32_t entryIndex;
};

constexpr PdoKind kOutputs{"RxPdo", "2", 0x1600, "Outputs_", 0x7000};
constexpr PdoKind kInputs{"TxPdo", "3", 0x1A00, "Inputs_", 0x6000};

class Lines {
public:
    // A line indented by `level` steps of two blanks.
    void add(int level, std::string_view text) { lines_.push_back(std::string(2 * level, ' ') + std::string(text)); }
    void tabbed(int tabs, std::string_view text) { lines_.push_back(std::string(tabs, '\t') + std::string(text)); }
    void empty() { lines_.emplace_back(); }
    void icon(int level) { add(level, "<ImageData16x14>" + Esi_Icon() + "</ImageData16x14>"); }

    std::vector<std::string> take() { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

std::string pdoNumber(std::size_t pdo)
{
    std::string number = std::to_string(pdo);
    return number.size() < 3 ? std::string(3 - number.size(), '0') + number : number;
}

void addPdos(Lines& out, const PdoKind& kind, const std::vector<TEtherCAT_Rule>& entries)
{
    constexpr int pdo = 4;
    constexpr int entry = 5;
    const std::string element(kind.element);
    int freeBits = 8;
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const TEtherCAT_Rule& rule = entries[e];
        if (e % kEntriesPerPdo == 0) {
            const std::size_t p = e / kEntriesPerPdo;
            out.add(pdo, "<" + element + " Mandatory=\"true\" Fixed=\"true\" Sm=\"" + std::string(kind.sm) + "\">");
            out.add(entry, "<Index>#x" + hex(kind.pdoIndex + p, 4) + "</Index>");
            out.add(entry, "<Name>" + std::string(kind.pdoName) + pdoNumber(p) + "</Name>");
            out.empty();
        }
        out.add(entry, "<Entry>");
        out.add(entry + 1, "<Index>#x" + hex(kind.entryIndex + e, 4) + "</Index>");
        out.add(entry + 1, "<SubIndex>0</SubIndex>");
        out.add(entry + 1, "<BitLen>" + std::to_string(rule.Length) + "</BitLen>");
        out.add(entry + 1, "<Name>" + esiText(rule.Name) + "</Name>");
        out.add(entry + 1, "<DataType>" + rule.DataType + "</DataType>");
        out.add(entry, "</Entry>");
        out.empty();

        if (rule.DataType != "BIT") {
            freeBits = 8;
        } else if (--freeBits == 0) {
            freeBits = 8;
        } else if (e + 1 == entries.size() || entries[e + 1].DataType != "BIT") {
            // The rest of a partly used byte, so the next entry starts on a byte.
            out.tabbed(entry, "<Entry>");
            out.tabbed(entry + 1, "<Index>#x0</Index>");
            out.tabbed(entry + 1, "<SubIndex>0</SubIndex>");
            out.tabbed(entry + 1, "<BitLen>" + std::to_string(freeBits) + "</BitLen>");
            out.tabbed(entry, "</Entry>");
            out.empty();
            freeBits = 8;
        }

        if (e % kEntriesPerPdo == kEntriesPerPdo - 1 || e + 1 == entries.size())
            out.add(pdo, "</" + element + ">");
    }
}

// The output sync manager follows the three input buffers, each raised to whole 32-bit words.
std::string outputStartAddress(std::int64_t inputBytes)
{
    const std::int64_t buffers = 3 * (inputBytes < 0 ? 0 : inputBytes);
    return hex(static_cast<std::uint64_t>(0x1000 + (buffers + 3) / 4 * 4), 4);
}

void addInfo(Lines& out)
{
    out.add(4, "<Info>");
    out.add(5, "<StateMachine>");
    out.add(6, "<Timeout>");
    out.add(7, "<PreopTimeout>2000</PreopTimeout>");
    out.add(7, "<SafeopOpTimeout>9000</SafeopOpTimeout>");
    out.add(7, "<BackToInitTimeout>5000</BackToInitTimeout>");
    out.add(7, "<BackToSafeopTimeout>200</BackToSafeopTimeout>");
    out.add(6, "</Timeout>");
    out.add(5, "</StateMachine>");
    out.add(5, "<Mailbox>");
    out.add(6, "<Timeout>");
    out.add(7, "<RequestTimeout>100</RequestTimeout>");
    out.add(7, "<ResponseTimeout>2000</ResponseTimeout>");
    out.add(6, "</Timeout>");
    out.add(5, "</Mailbox>");
    out.add(5, "<IdentificationReg134>true</IdentificationReg134>");
    out.add(4, "</Info>");
}

void addSyncManagers(Lines& out, std::int64_t inputBytes)
{
    out.add(4, "<Sm MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"#x26\" "
               "Enable=\"0\">MBoxOut</Sm>");
    out.add(4, "<Sm MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"#x22\" "
               "Enable=\"0\">MBoxIn</Sm>");
    out.add(4, "<Sm StartAddress=\"#x" + outputStartAddress(inputBytes) +
                   "\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\">Outputs</Sm>");
    out.add(4, "<Sm StartAddress=\"#x1000\" ControlByte=\"#x20\" DefaultSize=\"1\" Enable=\"1\">Inputs</Sm>");
}

void addOpMode(Lines& out, std::string_view name, std::string_view description, std::string_view activate)
{
    out.add(5, "<OpMode>");
    out.add(6, "<Name>" + std::string(name) + "</Name>");
    out.add(6, "<Desc>" + std::string(description) + "</Desc>");
    out.add(6, "<AssignActivate>" + std::string(activate) + "</AssignActivate>");
    out.add(6, "<CycleTimeSync0 Factor=\"1\">0</CycleTimeSync0>");
    out.add(6, "<ShiftTimeSync0>0</ShiftTimeSync0>");
    out.add(6, "<CycleTimeSync1 Factor=\"1\">0</CycleTimeSync1>");
    out.add(5, "</OpMode>");
}

void addMailboxAndDc(Lines& out)
{
    out.add(4, "<Mailbox DataLinkLayer=\"true\">");
    out.add(5, "<EoE />");
    out.add(5, "<CoE SdoInfo=\"true\" SegmentedSdo=\"true\" CompleteAccess=\"true\" />");
    out.add(5, "<FoE />");
    out.add(4, "</Mailbox>");
    out.add(4, "<Dc>");
    addOpMode(out, "Synchron", "SM-Synchron", "#x0");
    addOpMode(out, "DC", "DC-Synchron", "#x300");
    out.add(4, "</Dc>");
}

void addEeprom(Lines& out, std::uint16_t alias)
{
    out.add(4, "<Eeprom>");
    out.add(5, "<ByteSize>2048</ByteSize>");
    // The station alias low byte first.
    out.add(5, "<ConfigData>800F00CC8813ff00" + hex(alias & 0xFFu, 2) + hex(alias >> 8, 2) + "00800000</ConfigData>");
    out.add(4, "</Eeprom>");
}

} // namespace

std::vector<std::string> Esi_Lines(const EsiIdentity& identity, const EsiProcessData& data)
{
    const std::string name = esiText(identity.Name);
    const std::string group(kGroup);
    Lines out;
    out.add(0, "<?xml version=\"1.0\"?>");
    out.add(0, "<EtherCATInfo xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
               "xsi:noNamespaceSchemaLocation=\"EtherCATInfo.xsd\" Version=\"1.6\">");
    out.add(1, "<Vendor>");
    out.add(2, "<Id>" + std::string(kVendorId) + "</Id>");
    out.add(2, "<Name>" + std::string(kVendorName) + "</Name>");
    out.icon(2);
    out.add(1, "</Vendor>");
    out.add(1, "<Descriptions>");
    out.add(2, "<Groups>");
    out.add(3, "<Group SortOrder=\"0\">");
    out.add(4, "<Type>" + group + "</Type>");
    out.add(4, "<Name LcId=\"1031\">" + group + "</Name>");
    out.add(4, "<Name LcId=\"1033\">" + group + "</Name>");
    out.icon(4);
    out.add(3, "</Group>");
    out.add(2, "</Groups>");
    out.add(2, "<Devices>");
    out.add(3, "<Device Physics=\"YY\">");
    out.add(4, "<Type ProductCode=\"#x" + std::string(kProductCode) + "\" RevisionNo=\"#x" +
                   hex(static_cast<std::uint32_t>(identity.Revision), 2) + "\">" + name + "</Type>");
    out.add(4, "<Name LcId=\"1033\">" + name + "</Name>");
    out.add(4, "<Name LcId=\"1031\">" + name + "</Name>");
    addInfo(out);
    out.add(4, "<GroupType>" + group + "</GroupType>");
    out.add(4, "<Fmmu>Outputs</Fmmu>");
    out.add(4, "<Fmmu>Inputs</Fmmu>");
    addSyncManagers(out, data.InputBytes);
    addPdos(out, kOutputs, data.MasterToSlave);
    addPdos(out, kInputs, data.SlaveToMaster);
    addMailboxAndDc(out);
    addEeprom(out, identity.StationAlias);
    out.icon(4);
    out.add(3, "</Device>");
    out.add(2, "</Devices>");
    out.add(1, "</Descriptions>");
    out.add(0, "</EtherCATInfo>");
    return out.take();
}

std::string Esi_File_Text(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace birch
