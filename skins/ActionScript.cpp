#include "skins/ActionScript.h"

#include <cmath>
#include <map>
#include <stdexcept>

using namespace transform;

namespace skins {

namespace {

// Codes of the SWF 5 and later actions the library names differently.
enum Code {
    GetMember = FSAction::GetAttribute,
    SetMember = FSAction::SetAttribute,
    CallMethod = FSAction::ExecuteMethod,
    CallFunction = FSAction::ExecuteFunction,
    NewObject = FSAction::NamedObject,
    DefineLocal = FSAction::InitVariable,
    Add2 = FSAction::Add,
    Less2 = FSAction::Less,
    Equals2 = FSAction::Equals,
};

FSValue* numberValue(double number) {
    if (number == std::floor(number) && std::fabs(number) < 2147483647.0)
        return new FSInteger(static_cast<int>(number));
    return new FSDouble(number);
}

Expr binary(const Expr& left, const Expr& right, int code) {
    return Expr::fromEmitter([=](Block& block) {
        left.emitTo(block);
        right.emitTo(block);
        block.action(code);
    });
}

// Arguments go on the stack last first, then their count.
void pushArguments(Block& block, const std::vector<Expr>& arguments) {
    for (auto it = arguments.rbegin(); it != arguments.rend(); ++it)
        it->emitTo(block);
    block.push(new FSInteger(static_cast<int>(arguments.size())));
}

FSArray<FSString> argumentNames(const std::vector<std::string>& arguments) {
    FSArray<FSString> names;
    for (const std::string& argument : arguments)
        names.append(FSString(argument.c_str()));
    return names;
}

// A call of a function or constructor by name: arguments, then the name.
Expr callByName(const char* name, std::initializer_list<Expr> arguments, int code) {
    std::vector<Expr> list(arguments);
    std::string text = name;
    return Expr::fromEmitter([=](Block& block) {
        pushArguments(block, list);
        block.push(new FSString(text.c_str()));
        block.action(code);
    });
}

int measure(FSActionObject* action) {
    FSStream stream;
    FSActionList one;
    one.append(action);
    return actionListSize(one, stream);
}

} // namespace

Expr Expr::fromEmitter(std::function<void(Block&)> emit) { return Expr(std::move(emit)); }

Expr::Expr(double number) : emit([number](Block& block) { block.push(numberValue(number)); }) {}
Expr::Expr(int number) : Expr(static_cast<double>(number)) {}
Expr::Expr(const char* text) : Expr(std::string(text)) {}
Expr::Expr(const std::string& text) : emit([text](Block& block) { block.push(new FSString(text.c_str())); }) {}

Expr Expr::operator[](const Expr& name) const { return binary(*this, name, GetMember); }

Expr Expr::call(const char* method, std::initializer_list<Expr> arguments) const {
    std::vector<Expr> list(arguments);
    Expr object = *this;
    std::string name = method;
    return fromEmitter([=](Block& block) {
        pushArguments(block, list);
        object.emitTo(block);
        block.push(new FSString(name.c_str()));
        block.action(CallMethod);
    });
}

Expr var(const char* name) {
    std::string text = name;
    return Expr::fromEmitter([text](Block& block) {
        block.push(new FSString(text.c_str()));
        block.action(FSAction::GetVariable);
    });
}

Expr boolean(bool value) {
    return Expr::fromEmitter([value](Block& block) { block.push(new FSBoolean(value)); });
}

Expr undefinedValue() {
    return Expr::fromEmitter([](Block& block) { block.push(new FSVoid()); });
}

Expr nullValue() {
    return Expr::fromEmitter([](Block& block) { block.push(new FSNull()); });
}

Expr callFunction(const char* name, std::initializer_list<Expr> arguments) {
    return callByName(name, arguments, CallFunction);
}

Expr newObject(const char* type, std::initializer_list<Expr> arguments) {
    return callByName(type, arguments, NewObject);
}

Expr function(std::initializer_list<const char*> arguments, const std::function<void(Block&)>& body) {
    std::vector<std::string> names(arguments.begin(), arguments.end());
    return Expr::fromEmitter([=](Block& block) {
        block.append(new FSNewFunction("", argumentNames(names), compileBody(body)));
    });
}

Expr toInteger(const Expr& value) {
    return Expr::fromEmitter([=](Block& block) {
        value.emitTo(block);
        block.action(FSAction::ToInteger);
    });
}

Expr randomBelow(const Expr& limit) {
    return Expr::fromEmitter([=](Block& block) {
        limit.emitTo(block);
        block.action(FSAction::RandomNumber);
    });
}

Expr operator+(const Expr& left, const Expr& right) { return binary(left, right, Add2); }
Expr operator-(const Expr& left, const Expr& right) { return binary(left, right, FSAction::Subtract); }
Expr operator*(const Expr& left, const Expr& right) { return binary(left, right, FSAction::Multiply); }
Expr operator/(const Expr& left, const Expr& right) { return binary(left, right, FSAction::Divide); }
Expr operator<(const Expr& left, const Expr& right) { return binary(left, right, Less2); }
Expr operator>(const Expr& left, const Expr& right) { return binary(right, left, Less2); }
Expr operator==(const Expr& left, const Expr& right) { return binary(left, right, Equals2); }

Expr operator!(const Expr& value) {
    return Expr::fromEmitter([=](Block& block) {
        value.emitTo(block);
        block.action(FSAction::Not);
    });
}

Block::~Block() {
    for (Item& item : items)
        delete item.action;
}

void Block::assign(const char* name, const Expr& value) {
    push(new FSString(name));
    value.emitTo(*this);
    action(FSAction::SetVariable);
}

void Block::local(const char* name, const Expr& value) {
    push(new FSString(name));
    value.emitTo(*this);
    action(DefineLocal);
}

void Block::setMember(const Expr& object, const Expr& name, const Expr& value) {
    object.emitTo(*this);
    name.emitTo(*this);
    value.emitTo(*this);
    action(SetMember);
}

void Block::evaluate(const Expr& value) {
    value.emitTo(*this);
    action(FSAction::Pop);
}

void Block::ifThen(const Expr& condition, const std::function<void(Block&)>& then,
                   const std::function<void(Block&)>& otherwise) {
    int elseLabel = newLabel(), endLabel = newLabel();
    (!condition).emitTo(*this);
    jumpIfTrue(elseLabel);
    then(*this);
    if (otherwise)
        jumpTo(endLabel);
    place(elseLabel);
    if (otherwise)
        otherwise(*this);
    place(endLabel);
}

void Block::whileLoop(const Expr& condition, const std::function<void(Block&)>& body) {
    int testLabel = newLabel(), endLabel = newLabel();
    place(testLabel);
    (!condition).emitTo(*this);
    jumpIfTrue(endLabel);
    body(*this);
    jumpTo(testLabel);
    place(endLabel);
}

void Block::returnNothing() {
    push(new FSVoid());
    action(FSAction::Return);
}

void Block::define(const char* name, std::initializer_list<const char*> arguments,
                   const std::function<void(Block&)>& body) {
    append(new FSNewFunction(name, argumentNames({arguments.begin(), arguments.end()}), compileBody(body)));
}

void Block::action(int code) { append(new FSAction(code)); }

void Block::push(FSValue* value) {
    // Consecutive pushes share one record, as compilers write them.
    if (!items.empty() && items.back().action && items.back().action->type == FSPush::Code) {
        static_cast<FSPush*>(items.back().action)->values.append(value);
        return;
    }
    FSArray<FSValue*> values;
    values.append(value);
    append(new FSPush(values));
}

void Block::append(FSActionObject* action) { items.push_back({action, -1, -1}); }
void Block::place(int label) { items.push_back({nullptr, label, -1}); }
void Block::jumpTo(int label) { items.push_back({new FSJump(0), -1, label}); }
void Block::jumpIfTrue(int label) { items.push_back({new FSIf(0), -1, label}); }

FSActionList Block::compile() {
    std::map<int, int> labelOffsets;
    std::vector<int> ends(items.size());
    int offset = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].label >= 0)
            labelOffsets[items[i].label] = offset;
        if (items[i].action)
            offset += measure(items[i].action);
        ends[i] = offset;
    }
    FSActionList list;
    for (size_t i = 0; i < items.size(); ++i) {
        Item& item = items[i];
        if (item.target >= 0) {
            int distance = labelOffsets.at(item.target) - ends[i];
            if (auto* jump = dynamic_cast<FSJump*>(item.action))
                jump->offset = distance;
            else
                static_cast<FSIf*>(item.action)->offset = distance;
        }
        if (item.action)
            list.append(item.action);
        item.action = nullptr;
    }
    items.clear();
    return list;
}

FSActionList compileBody(const std::function<void(Block&)>& body) {
    Block block;
    body(block);
    return block.compile();
}

} // namespace skins
