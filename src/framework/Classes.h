#pragma once
// Objects with owners, notify events and byte streams.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/SysUtils.h"

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject*)>;

class TPublishedClass; // framework/TypInfo.h

// An object whose settings can be copied from another of its kind.
class TPersistent : public TObject {
public:
    // Copies the settings of Source; a class that does not know Source's class hands the work to
    // Source's AssignTo, and failing that does nothing.
    virtual void Assign(const TPersistent* Source);
    // The published properties a window description stores, or null for a class that has none.
    virtual const TPublishedClass* Published() const { return nullptr; }

protected:
    // Returns whether this object copied itself into Dest.
    virtual bool AssignTo(TPersistent* Dest) const;
};

// A component is owned by another and destroyed with it, in the reverse order of creation.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    // Frees the owned components, the last created first.
    void DestroyComponents();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const { return FComponents[Index]; }
    TComponent* FindComponent(const std::string& AName) const;
    bool Loading() const { return FLoading; }
    void SetLoading(bool Value) { FLoading = Value; }
    // The component a stored description nests this one in (a control's parent); null for the root's
    // direct children. Reading a description puts each child into its parent through the setter.
    virtual TComponent* ParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    // Called once on every component read from a description, after all of them have been read.
    virtual void Loaded() {}
    // The name of the root's handler an event is bound to ("BitBtn1Click" for "OnClick"), as the
    // description names it; empty when the event is unbound or bound in code only.
    std::string MethodName(const std::string& Event) const;
    void SetMethodName(const std::string& Event, const std::string& Method);

private:
    void Insert(TComponent* AComponent) { FComponents.push_back(AComponent); }
    void Remove(TComponent* AComponent);

    TComponent* FOwner{nullptr};
    std::string FName;
    std::vector<TComponent*> FComponents;
    bool FLoading{false};
    std::vector<std::pair<std::string, std::string>> FMethodNames; // event, handler
};

class EStreamError : public Exception {
public:
    using Exception::Exception;
};

class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    // Reads up to Count bytes; returns how many were read.
    virtual int64_t Read(void* Buffer, int64_t Count) = 0;
    // Writes up to Count bytes; returns how many were written.
    virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;
    // Grows or cuts the stream; a stream of fixed size keeps its size.
    virtual void SetSize(int64_t NewSize) { (void)NewSize; }

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t Value) { Seek(Value, TSeekOrigin::soBeginning); }
    int64_t Size();
    // Reads exactly Count bytes or raises EReadError.
    void ReadBuffer(void* Buffer, int64_t Count);
    void WriteBuffer(const void* Buffer, int64_t Count);
    // Copies Count bytes from Source (all of it from its start when Count is 0).
    int64_t CopyFrom(TStream& Source, int64_t Count);
};

class TMemoryStream : public TStream {
public:
    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

    void SetSize(int64_t NewSize) override;
    void Clear();
    const uint8_t* Memory() const { return FData.data(); }
    uint8_t* Memory() { return FData.data(); }
    const std::vector<uint8_t>& Bytes() const { return FData; }
    void LoadFromStream(TStream& Stream);
    void SaveToStream(TStream& Stream) const;
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

private:
    std::vector<uint8_t> FData;
    int64_t FPosition{0};
};

enum TFileMode { fmOpenRead = 0, fmCreate = 0xFF00 };

// A stream over a file named in the platform's native form.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& FileName, int Mode);
    ~TFileStream() override;
    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    // Cuts or extends the file (with zeros); the position stays where it was. Raises EStreamError.
    void SetSize(int64_t NewSize) override;

private:
    std::FILE* FFile{nullptr};
};
