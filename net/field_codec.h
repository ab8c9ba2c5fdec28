// SPDX-License-Identifier: GPL-3.0-or-later
// FieldWriter and FieldReader: a message's fields listed once, in a visit function that runs
// with either; the reader checks each value against its range as it reads it.
#pragma once

// A visit function takes the object as a template (const for the writer) and calls the same
// methods on either codec: the writer ignores the ranges, the reader refuses what lies
// outside them, so what a rule-abiding world writes always reads back.

#include "game/names.h"
#include "game/roster.h"
#include "net/wire.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

class FieldWriter {
  public:
    // Without identities, names and who plays a seat are left out: a seat passing to the
    // computer or a rejoiner's new name is not a difference in the game.
    explicit FieldWriter(ByteWriter& out, bool identities = true)
        : out_(out), identities_(identities) {}

    void integer(std::int32_t v, std::int32_t /*lo*/, std::int32_t /*hi*/) { out_.i32(v); }
    void real(float v, float /*lo*/, float /*hi*/) { out_.f32(v); }
    void flag(bool v) { out_.boolean(v); }
    void word(std::uint32_t v) { out_.u32(v); }
    void name(const std::string& s) {
        if (identities_)
            out_.text(cutToName(s), nameCapacity - 1);
    }
    void name(const char (&s)[nameCapacity]) {
        name(std::string(s, std::find(s, s + nameCapacity, '\0')));
    }
    void control(PlayerControl c) {
        if (identities_)
            out_.i32(static_cast<std::int32_t>(c));
    }
    // A list's length, then each element.
    template <typename T, typename Visit>
    void sequence(const std::vector<T>& items, std::int32_t /*lo*/, std::int32_t /*hi*/,
                  Visit&& visit) {
        out_.i32(static_cast<std::int32_t>(items.size()));
        for (const T& item : items)
            visit(item);
    }
    // A check across fields: only the reader acts on it.
    void require(bool /*holds*/) {}

  protected:
    ByteWriter& out_;

  private:
    bool identities_;
};

class FieldReader {
  public:
    explicit FieldReader(ByteReader& in) : in_(in) {}

    void integer(std::int32_t& v, std::int32_t lo, std::int32_t hi) { v = in_.ranged(lo, hi); }
    void real(float& v, float lo, float hi) {
        v = in_.f32();
        require(v >= lo && v <= hi);
    }
    void flag(bool& v) { v = in_.boolean(); }
    void word(std::uint32_t& v) { v = in_.u32(); }
    // Cleaned as a typed name is.
    void name(std::string& s) { s = cleanName(in_.text(nameCapacity - 1)); }
    void name(char (&s)[nameCapacity]) { copyName(s, cleanName(in_.text(nameCapacity - 1))); }
    void control(PlayerControl& c) {
        c = static_cast<PlayerControl>(
            in_.ranged(static_cast<std::int32_t>(PlayerControl::Person),
                       static_cast<std::int32_t>(PlayerControl::ComputerHard)));
    }
    // The length is checked before anything is made for it.
    template <typename T, typename Visit>
    void sequence(std::vector<T>& items, std::int32_t lo, std::int32_t hi, Visit&& visit) {
        const std::int32_t n = in_.ranged(lo, hi);
        items.clear();
        items.resize(static_cast<std::size_t>(ok() ? n : 0));
        for (T& item : items)
            visit(item);
    }
    void require(bool holds) {
        if (!holds)
            in_.refuse();
    }
    bool ok() const { return in_.ok(); }

  protected:
    ByteReader& in_;
};
