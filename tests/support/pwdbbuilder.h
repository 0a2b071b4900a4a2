#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Builds the bytes of a database file field by field, so that tests can write
// files the program itself would never write (damaged, foreign, newer).
// Everything after the five header bytes is nibble-swapped, numbers are
// big-endian.
class PwdbBuilder {
public:
    struct Entry {
        std::int32_t index = 1;
        int year = 2004;
        int month = 3;
        int day = 15;
        std::int32_t amount = 250;
        int income = 1;
        int typeId = 0;
        std::string_view comment = {};
    };

    explicit PwdbBuilder(std::string_view magic = "PWDB", std::uint8_t version = 1) : data(magic) {
        data.push_back(static_cast<char>(version));
    }

    PwdbBuilder& byte(unsigned value) {
        const auto b = static_cast<std::uint8_t>(value);
        data.push_back(static_cast<char>(static_cast<std::uint8_t>((b >> 4) | (b << 4))));
        return *this;
    }
    PwdbBuilder& int16(unsigned value) { return byte(value >> 8).byte(value); }
    PwdbBuilder& int32(std::int32_t value) {
        const auto u = static_cast<std::uint32_t>(value);
        return byte(u >> 24).byte(u >> 16).byte(u >> 8).byte(u);
    }
    PwdbBuilder& text(std::string_view s) {
        byte(static_cast<unsigned>(s.size()));
        for (char c : s) byte(static_cast<std::uint8_t>(c));
        return *this;
    }
    PwdbBuilder& type(int id, std::string_view name) { return byte(static_cast<unsigned>(id)).text(name); }
    PwdbBuilder& entry(const Entry& e) {
        int32(e.index).int16(static_cast<unsigned>(e.year)).byte(static_cast<unsigned>(e.month));
        byte(static_cast<unsigned>(e.day)).int32(e.amount).byte(static_cast<unsigned>(e.income));
        return byte(static_cast<unsigned>(e.typeId)).text(e.comment);
    }
    // Raw bytes, not swapped.
    PwdbBuilder& raw(std::string_view s) {
        data += s;
        return *this;
    }

    const std::string& bytes() const { return data; }

private:
    std::string data;
};
