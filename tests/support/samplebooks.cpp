#include "tests/support/samplebooks.h"

KestLib::AccountDB sampleDatabase() {
    return BookBuilder(big5Chinese + " book")
        .types({"Gone", big5Food, "Salary"})
        .withoutType("Gone")
        .income("Salary", 52000, 2004, 1, 25, "January")
        .outgoing(big5Food, 120, 2004, 2, 29, big5Chinese + "\xFF\x80")
        .outgoing(big5Food, -75, 1999, 12, 31)
        .income("", 1, 2038, 1, 19, "deleted")
        .withoutLastTransaction()
        .build();
}

KestLib::AccountDB smallTextBook() {
    return BookBuilder("Family " + big5Chinese)
        .types({"Gone", big5Food, "Salary", "R&D: lab (2)"})
        .withoutType("Gone")
        .income("Salary", 52000, 2024, 1, 25, "January")
        .outgoing(big5Food, 120, 2024, 2, 29, "rice, \"jasmine\"\r\nand tea")
        .outgoing(big5Food, -75, 1999, 12, 31)
        .income("", 0, 2024, 3, 1, big5Chinese + " note")
        .outgoing("R&D: lab (2)", 300, 2024, 3, 2, "kit")
        .build();
}
