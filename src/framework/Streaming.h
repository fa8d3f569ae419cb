#pragma once
// The stored window description: objects and component trees as readable JSON text.
//
// A component is written as {"class", "name", "properties", "components"}: its class name, its
// name, its published properties in declaration order (those holding their declared default left
// out), and the components nested in it (a windowed control's children, a form's components). A
// sub-object's properties nest under the sub-object's property name ("Fill": {"ColorMirror": ...}).
// Values: integers and booleans as JSON numbers and booleans, enumerations by name, sets as lists of
// names, colours by name (clWhite, clNone, clBtnFace, ...) or as numbers, texts as UTF-8 (held as
// Windows-1252 bytes in the program), binary data (a picture's "Data") as base64 lines, events by
// the name of the root's handler.
//
// Reading sets every stored value through the property's setter, in the order of the text. Anything
// the classes do not declare, or a value of the wrong kind, fails with an EReadError that names the
// property.
#include <functional>
#include <string>

#include "framework/Classes.h"
#include "framework/TypInfo.h"

class EClassNotFound : public EReadError {
public:
    using EReadError::EReadError;
};

// Component classes by name, so that a description can create them.
class TComponentRegistry {
public:
    using TFactory = std::function<TComponent*(TComponent* Owner)>;
    static void RegisterClass(const std::string& ClassName, TFactory Factory);
    static void UnregisterClass(const std::string& ClassName);
    static bool IsRegistered(const std::string& ClassName);
    // A new component of the named class (exact name) owned by Owner; EClassNotFound when unknown.
    static TComponent* Create(const std::string& ClassName, TComponent* Owner);
};

// Registers T under its class name: the form unit whose description names a class registers it.
template <class T>
void RegisterComponentClass(const std::string& ClassName) {
    TComponentRegistry::RegisterClass(ClassName, [](TComponent* Owner) -> TComponent* { return new T(Owner); });
}

// Resolves an event handler's name (for example "BitBtn1Click") to the handler; an empty result
// means the root has no such handler.
using TMethodResolver = std::function<TNotifyEvent(const std::string& MethodName)>;

// The published properties of one object as JSON text, and back. Context names the object in error
// messages ("AdvSmoothLabel1.Fill").
std::string WriteObjectText(const TPersistent& Instance);
void ReadObjectText(TPersistent& Instance, const std::string& Text, const std::string& Context = "");

// A component with everything nested in it (see above).
std::string WriteComponentText(const TComponent& Root);
// Creates the root component from its class name (owned by Owner), then reads it as below.
TComponent* ReadComponentText(const std::string& Text, TComponent* Owner, TMethodResolver Methods = {});
// Reads the description into an existing root of the stored class: its properties, and its nested
// components, each created by class name with the root as owner (or taken over when the root already
// owns one of that name) and put into its parent. Every component read is loading meanwhile, and gets
// Loaded() at the end.
void ReadComponentTextInto(TComponent& Root, const std::string& Text, TMethodResolver Methods = {});
