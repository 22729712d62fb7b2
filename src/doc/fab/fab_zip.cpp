#include "doc/fab/fab_zip.h"

#include "doc/export/little_endian.h"

namespace {
const std::uint32_t* CrcTable() {
    static std::uint32_t table[256];
    static const bool s_bMade = [] {
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return true;
    }();
    (void)s_bMade;
    return table;
}

struct Entry {
    std::uint32_t crc, size, offset;
};

// Version needed, flags, method (stored), time, date, CRC and both sizes.
void CommonFields(std::string& out, const Entry& e, std::uint32_t dosTime, std::uint32_t dosDate) {
    Put16(out, 10);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, dosTime);
    Put16(out, dosDate);
    Put32(out, e.crc);
    Put32(out, e.size);
    Put32(out, e.size);
}
} // namespace

std::uint32_t Crc32(const std::string& data) {
    const std::uint32_t* t = CrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : data)
        c = t[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string ZipStored(const std::vector<std::pair<std::string, std::string>>& files,
                      const CFabDate& d) {
    const int year = d.nYear < 1980 ? 0 : d.nYear - 1980;
    const std::uint32_t dosTime = std::uint32_t(d.nHour << 11 | d.nMinute << 5 | d.nSecond / 2);
    const std::uint32_t dosDate = std::uint32_t(year << 9 | d.nMonth << 5 | d.nDay);
    std::string out;
    std::vector<Entry> entries;
    for (const auto& [name, data] : files) {
        const Entry e{Crc32(data), std::uint32_t(data.size()), std::uint32_t(out.size())};
        entries.push_back(e);
        Put32(out, 0x04034b50);
        CommonFields(out, e, dosTime, dosDate);
        Put16(out, std::uint32_t(name.size()));
        Put16(out, 0);
        out += name + data;
    }
    const std::uint32_t dirStart = std::uint32_t(out.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        Put32(out, 0x02014b50);
        Put16(out, 0x031E); // made by: Unix, 3.0
        CommonFields(out, entries[i], dosTime, dosDate);
        Put16(out, std::uint32_t(files[i].first.size()));
        Put32(out, 0);              // extra and comment lengths
        Put32(out, 0);              // disk number, internal attributes
        Put32(out, 0100644u << 16); // a regular file, rw-r--r--
        Put32(out, entries[i].offset);
        out += files[i].first;
    }
    const std::uint32_t dirSize = std::uint32_t(out.size()) - dirStart;
    Put32(out, 0x06054b50);
    Put32(out, 0);
    Put16(out, std::uint32_t(files.size()));
    Put16(out, std::uint32_t(files.size()));
    Put32(out, dirSize);
    Put32(out, dirStart);
    Put16(out, 0);
    return out;
}
