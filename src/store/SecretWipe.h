#pragma once

#include <QByteArray>
#include <QString>

namespace lw {

// Copies of a master password or of key bytes are overwritten with zeros
// before their memory goes back to the heap, so that a memory image or a
// swapped page does not keep them after use.
//
// A text or byte array that shares its buffer with other copies is not
// overwritten (the others still need it); it only lets go of the buffer, and
// the last holder wipes it. Either way the value is left empty. The buffer
// itself, zeroed, stays with the value until it is destroyed or reassigned.
void WipeSecret(QString& text) noexcept;
void WipeSecret(QByteArray& bytes) noexcept;

// A byte copy of a secret (a key in the engine's form), wiped when it goes.
class SecretBytes {
public:
    explicit SecretBytes(QByteArray bytes) : bytes_(std::move(bytes)) { }
    ~SecretBytes() { WipeSecret(bytes_); }
    SecretBytes(const SecretBytes&) = delete;
    SecretBytes& operator=(const SecretBytes&) = delete;

    const char* data() const { return bytes_.constData(); }
    int size() const { return int(bytes_.size()); }

private:
    QByteArray bytes_;
};

} // namespace lw
