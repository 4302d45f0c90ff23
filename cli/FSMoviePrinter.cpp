#include "cli/FSMoviePrinter.h"

#include <iomanip>

namespace transform {

namespace {

std::ostream& quoted(std::ostream& out, const FSString& text) { return out << '"' << text.getText() << '"'; }

void printStrings(std::ostream& out, const FSArray<FSString>& strings) {
    const char* separator = "";
    for (const FSString& text : strings) {
        out << separator;
        quoted(out, text);
        separator = ", ";
    }
}

} // namespace

void FSMoviePrinter::print(const FSMovie& movie, const FSMovieHeader& header) {
    const FSBounds& frame = movie.getFrameSize();
    out << header.signature << " version " << header.version << ", " << header.length
        << " bytes uncompressed, frame size (" << frame.minX << ", " << frame.minY << ", " << frame.maxX << ", "
        << frame.maxY << ") twips, " << movie.getFrameRate() << " frames/s, " << header.frameCount << " frames ("
        << movie.frameCount() << " shown), " << movie.getObjects().getCount() << " tags\n";
    for (const FSMovieObject* tag : movie.getObjects())
        printTag(*tag);
}

void FSMoviePrinter::indent(int depth) {
    for (int i = 0; i < depth; ++i)
        out << "  ";
}

void FSMoviePrinter::printTag(const FSMovieObject& tag, int depth) {
    indent(depth);
    out << tag.className() << " (tag " << tag.type << ") length " << tag.bodyLength;
    printTagDetails(tag);
    printDisplayTagDetails(tag);
    out << '\n';
    if (auto* doAction = dynamic_cast<const FSDoAction*>(&tag))
        printActions(doAction->actions, depth + 1);
    if (auto* sprite = dynamic_cast<const FSDefineSprite*>(&tag))
        for (const FSMovieObject* inner : sprite->objects)
            printTag(*inner, depth + 1);
}

void FSMoviePrinter::printDisplayTagDetails(const FSMovieObject& tag) {
    if (auto* shape = dynamic_cast<const FSDefineShape*>(&tag)) {
        out << ": identifier " << shape->identifier << ", " << shape->fillStyles.size() << " fills, "
            << shape->lineStyles.size() << " lines, " << shape->records.size() << " records";
    } else if (auto* sprite = dynamic_cast<const FSDefineSprite*>(&tag)) {
        out << ": identifier " << sprite->identifier << ", " << sprite->declaredFrameCount << " frames";
    } else if (auto* place = dynamic_cast<const FSPlaceObject2*>(&tag)) {
        out << ": depth " << place->depth;
        if (place->flags & FSPlaceObject2::HasCharacter)
            out << ", character " << place->character;
        if (place->flags & FSPlaceObject2::Move)
            out << ", moved";
        if (place->flags & FSPlaceObject2::HasMatrix)
            out << ", at (" << place->matrix.translateX << ", " << place->matrix.translateY << ") scaled ("
                << place->matrix.scaleX / 65536.0 << ", " << place->matrix.scaleY / 65536.0 << ")";
        if (place->flags & FSPlaceObject2::HasName)
            out << ", named \"" << place->name.getText() << '"';
    } else if (auto* text = dynamic_cast<const FSDefineEditText*>(&tag)) {
        out << ": identifier " << text->identifier << ", variable \"" << text->variable.getText() << "\", font "
            << text->font << ", text \"" << text->initialText.getText() << '"';
    } else if (auto* font = dynamic_cast<const FSDefineFont2*>(&tag)) {
        out << ": identifier " << font->identifier << ", \"" << font->name << '"';
    }
}

void FSMoviePrinter::printTagDetails(const FSMovieObject& tag) {
    if (auto* background = dynamic_cast<const FSSetBackgroundColor*>(&tag)) {
        out << ": colour " << background->color.red << ' ' << background->color.green << ' '
            << background->color.blue;
    } else if (auto* head = dynamic_cast<const FSSoundStreamHead2*>(&tag)) {
        out << ": format " << head->format << ", playback " << head->playbackRate << " Hz " << head->playbackChannels
            << " ch " << 8 * head->playbackSampleSize << "-bit, stream " << head->streamRate << " Hz "
            << head->streamChannels << " ch " << 8 * head->streamSampleSize << "-bit, " << head->streamSampleCount
            << " samples per block, latency " << head->latency;
    } else if (auto* block = dynamic_cast<const FSSoundStreamBlock*>(&tag)) {
        if (block->getSize() >= 4) {
            const unsigned char* bytes = block->getData();
            out << ": " << (bytes[0] | bytes[1] << 8) << " samples, seek " << static_cast<short>(bytes[2] | bytes[3] << 8)
                << " (if MP3)";
        }
    } else if (auto* sound = dynamic_cast<const FSDefineSound*>(&tag)) {
        out << ": identifier " << sound->identifier << ", format " << sound->format << ", " << sound->rate << " Hz "
            << sound->channels << " ch " << 8 * sound->sampleSize << "-bit, " << sound->sampleCount << " samples";
    }
}

void FSMoviePrinter::printActions(const FSActionList& actions, int depth) {
    for (const FSActionObject* action : actions)
        printAction(*action, depth);
}

void FSMoviePrinter::printAction(const FSActionObject& action, int depth) {
    indent(depth);
    out << action.className();
    if (action.type >= 128)
        out << " length " << action.bodyLength;
    printActionDetails(action);
    out << '\n';
    if (auto* with = dynamic_cast<const FSWith*>(&action)) {
        printActions(with->actions, depth + 1);
    } else if (auto* function = dynamic_cast<const FSNewFunction*>(&action)) {
        printActions(function->actions, depth + 1);
    } else if (auto* function2 = dynamic_cast<const FSNewFunction2*>(&action)) {
        printActions(function2->actions, depth + 1);
    } else if (auto* handler = dynamic_cast<const FSExceptionHandler*>(&action)) {
        const FSActionList* lists[] = {&handler->tryActions, &handler->catchActions, &handler->finallyActions};
        const char* names[] = {"try", "catch", "finally"};
        for (int i = 0; i < 3; ++i) {
            indent(depth + 1);
            out << names[i] << ":\n";
            printActions(*lists[i], depth + 2);
        }
    }
}

void FSMoviePrinter::printActionDetails(const FSActionObject& action) {
    if (auto* push = dynamic_cast<const FSPush*>(&action)) {
        out << ':';
        const char* separator = " ";
        for (const FSValue* value : push->values) {
            out << separator;
            printValue(*value);
            separator = ", ";
        }
    } else if (auto* gotoFrame = dynamic_cast<const FSGotoFrame*>(&action)) {
        out << ": frame " << gotoFrame->frameNumber;
    } else if (auto* getUrl = dynamic_cast<const FSGetUrl*>(&action)) {
        out << ": ";
        quoted(out, getUrl->url) << " target ";
        quoted(out, getUrl->target);
    } else if (auto* jump = dynamic_cast<const FSJump*>(&action)) {
        out << ": offset " << jump->offset;
    } else if (auto* branch = dynamic_cast<const FSIf*>(&action)) {
        out << ": offset " << branch->offset;
    } else if (auto* table = dynamic_cast<const FSTable*>(&action)) {
        out << ": ";
        printStrings(out, table->values);
    } else if (auto* function = dynamic_cast<const FSNewFunction*>(&action)) {
        out << ": ";
        quoted(out, function->name) << " (";
        printStrings(out, function->arguments);
        out << ')';
    } else if (auto* function2 = dynamic_cast<const FSNewFunction2*>(&action)) {
        out << ": ";
        quoted(out, function2->name) << " registers " << function2->registerCount << " flags 0x" << std::hex
                                     << function2->optimisationFlags << std::dec << " (";
        const char* separator = "";
        for (const FSRegisterVariable& argument : function2->arguments) {
            out << separator << 'r' << argument.registerNumber << ' ';
            quoted(out, argument.name);
            separator = ", ";
        }
        out << ')';
    } else if (auto* target = dynamic_cast<const FSSetTarget*>(&action)) {
        out << ": ";
        quoted(out, target->target);
    } else if (auto* label = dynamic_cast<const FSGotoLabel*>(&action)) {
        out << ": ";
        quoted(out, label->label);
    } else if (auto* unknown = dynamic_cast<const FSUnknownAction*>(&action)) {
        out << ": code 0x" << std::hex << unknown->type << std::dec;
    }
}

void FSMoviePrinter::printValue(const FSValue& value) {
    if (auto* text = dynamic_cast<const FSString*>(&value))
        quoted(out, *text);
    else if (auto* integer = dynamic_cast<const FSInteger*>(&value))
        out << integer->value;
    else if (auto* number = dynamic_cast<const FSDouble*>(&value))
        out << std::setprecision(17) << number->value << std::setprecision(6);
    else if (auto* boolean = dynamic_cast<const FSBoolean*>(&value))
        out << (boolean->value ? "true" : "false");
    else if (auto* registerIndex = dynamic_cast<const FSRegisterIndex*>(&value))
        out << "register " << registerIndex->index;
    else if (auto* tableIndex = dynamic_cast<const FSTableIndex*>(&value))
        out << "table " << tableIndex->index;
    else
        out << value.className();
}

} // namespace transform
