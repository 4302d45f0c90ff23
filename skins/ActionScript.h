#ifndef SKINS_ACTIONSCRIPT_H
#define SKINS_ACTIONSCRIPT_H

#include "transform/transform.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// A small ActionScript written in C++: expressions and statements are built
// as values and compile to the library's action records, with branches
// resolved through labels. It covers what the player logic needs.
namespace skins {

class Block;

// An expression: the actions that leave its value on the stack.
class Expr {
public:
    Expr(double number);
    Expr(int number);
    Expr(const char* text);
    Expr(const std::string& text);

    // obj.name, obj[name], obj.name(args)
    Expr operator[](const Expr& name) const;
    Expr call(const char* method, std::initializer_list<Expr> arguments = {}) const;

    // The value nobody reads any more, as a statement.
    void emitTo(Block& block) const { emit(block); }

    // An expression made of whatever actions `emit` appends.
    static Expr fromEmitter(std::function<void(Block&)> emit);

private:
    explicit Expr(std::function<void(Block&)> emit) : emit(std::move(emit)) {}
    std::function<void(Block&)> emit;
};

Expr var(const char* name);
Expr boolean(bool value);
Expr undefinedValue();
Expr nullValue();
Expr callFunction(const char* name, std::initializer_list<Expr> arguments = {});
Expr newObject(const char* type, std::initializer_list<Expr> arguments = {});
// function (arguments) { body } as a value.
Expr function(std::initializer_list<const char*> arguments, const std::function<void(Block&)>& body);
Expr toInteger(const Expr& value);
Expr randomBelow(const Expr& limit);
Expr operator+(const Expr& left, const Expr& right);
Expr operator-(const Expr& left, const Expr& right);
Expr operator*(const Expr& left, const Expr& right);
Expr operator/(const Expr& left, const Expr& right);
Expr operator<(const Expr& left, const Expr& right);
Expr operator>(const Expr& left, const Expr& right);
Expr operator==(const Expr& left, const Expr& right);
Expr operator!(const Expr& value);

// A list of statements that compiles to one action list.
class Block {
public:
    Block() = default;
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;
    ~Block();

    void assign(const char* name, const Expr& value);
    void local(const char* name, const Expr& value);
    void setMember(const Expr& object, const Expr& name, const Expr& value);
    void evaluate(const Expr& value);
    void ifThen(const Expr& condition, const std::function<void(Block&)>& then,
                const std::function<void(Block&)>& otherwise = nullptr);
    // Tests the condition before each pass, as `while` does.
    void whileLoop(const Expr& condition, const std::function<void(Block&)>& body);
    void returnNothing();
    void define(const char* name, std::initializer_list<const char*> arguments,
                const std::function<void(Block&)>& body);

    // The low level the statements are made of.
    void action(int code);
    void push(transform::FSValue* value);
    void append(transform::FSActionObject* action);
    int newLabel() { return labels++; }
    void place(int label);
    void jumpTo(int label);
    void jumpIfTrue(int label);

    // The compiled list, branches resolved; the caller owns the actions.
    transform::FSActionList compile();

private:
    struct Item {
        transform::FSActionObject* action = nullptr;
        int label = -1;        // a label placed here
        int target = -1;       // a branch to this label
    };
    std::vector<Item> items;
    int labels = 0;
};

// A function body compiled on its own.
transform::FSActionList compileBody(const std::function<void(Block&)>& body);

} // namespace skins

#endif
