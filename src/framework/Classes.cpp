#include "framework/Classes.h"

#include "platform/FileSize.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

void TPersistent::Assign(const TPersistent* Source) {
    if (Source) Source->AssignTo(this);
}

bool TPersistent::AssignTo(TPersistent*) const { return false; }

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
    if (FOwner) FOwner->Insert(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (FOwner) FOwner->Remove(this);
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) delete FComponents.back(); // each child removes itself
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
    const std::string key = LowerCaseAscii(AName);
    for (TComponent* c : FComponents)
        if (LowerCaseAscii(c->Name()) == key) return c;
    return nullptr;
}

std::string TComponent::MethodName(const std::string& Event) const {
    for (const auto& [event, method] : FMethodNames)
        if (event == Event) return method;
    return {};
}

void TComponent::SetMethodName(const std::string& Event, const std::string& Method) {
    for (auto& entry : FMethodNames)
        if (entry.first == Event) {
            entry.second = Method;
            return;
        }
    FMethodNames.emplace_back(Event, Method);
}

void TComponent::Remove(TComponent* AComponent) {
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), AComponent), FComponents.end());
}

int64_t TStream::Size() {
    const int64_t here = Position();
    const int64_t end = Seek(0, TSeekOrigin::soEnd);
    Seek(here, TSeekOrigin::soBeginning);
    return end;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
    if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream-Lesefehler");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
    if (Count != 0 && Write(Buffer, Count) != Count) throw EStreamError("Stream-Schreibfehler");
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
    if (Count == 0) {
        Source.SetPosition(0);
        Count = Source.Size();
    }
    std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(Count, 1 << 16)));
    int64_t left = Count;
    while (left > 0) {
        const int64_t n = std::min<int64_t>(left, static_cast<int64_t>(buffer.size()));
        Source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return Count;
}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
    if (Count <= 0 || FPosition >= static_cast<int64_t>(FData.size())) return 0;
    const int64_t n = std::min<int64_t>(Count, static_cast<int64_t>(FData.size()) - FPosition);
    std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
    if (Count <= 0) return 0;
    if (FPosition + Count > static_cast<int64_t>(FData.size())) FData.resize(static_cast<size_t>(FPosition + Count));
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
    FPosition += Count;
    return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    const int64_t base = Origin == TSeekOrigin::soBeginning ? 0
                         : Origin == TSeekOrigin::soCurrent ? FPosition
                                                           : static_cast<int64_t>(FData.size());
    FPosition = std::max<int64_t>(0, base + Offset);
    return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize) {
    FData.resize(static_cast<size_t>(std::max<int64_t>(0, NewSize)));
    FPosition = std::min<int64_t>(FPosition, static_cast<int64_t>(FData.size()));
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
    Stream.SetPosition(0);
    const int64_t n = Stream.Size();
    FData.resize(static_cast<size_t>(n));
    Stream.ReadBuffer(FData.data(), n);
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& Stream) const { Stream.WriteBuffer(FData.data(), FData.size()); }

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream file(FileName, fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& FileName) const {
    TFileStream file(FileName, fmCreate);
    SaveToStream(file);
}

TFileStream::TFileStream(const std::string& FileName, int Mode) {
    FFile = std::fopen(FileName.c_str(), Mode == fmCreate ? "w+b" : "rb");
    if (!FFile) {
        if (Mode == fmCreate) throw EFOpenError("Kann Datei " + FileName + " nicht erstellen");
        throw EFOpenError("Kann Datei " + FileName + " nicht \xF6" "ffnen");
    }
}

TFileStream::~TFileStream() {
    if (FFile) std::fclose(FFile);
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
    return Count <= 0 ? 0 : static_cast<int64_t>(std::fread(Buffer, 1, static_cast<size_t>(Count), FFile));
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
    return Count <= 0 ? 0 : static_cast<int64_t>(std::fwrite(Buffer, 1, static_cast<size_t>(Count), FFile));
}

void TFileStream::SetSize(int64_t NewSize) {
    if (!SetOpenFileSize(FFile, NewSize)) throw EStreamError("Stream-Schreibfehler");
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    const int whence = Origin == TSeekOrigin::soBeginning ? SEEK_SET
                       : Origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                         : SEEK_END;
    if (fseeko64(FFile, Offset, whence) != 0) return -1;
    return ftello64(FFile);
}
