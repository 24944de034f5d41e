// The plug-in's fighter file: element "Fighter" with the attribute "id" and the keys "Name",
// "School", "Gender" (text in their "value" attribute) and "Age" (a decimal in "value").
#pragma once

#include <string>

#include "persistence/PersistentObject.h"

namespace Vortane {

class PersistentFighter : public PersistentObject {
public:
    // A new document whose root is "Fighter".
    PersistentFighter();

    int getId() const;
    void setId(int id);
    std::string getName() const;
    void setName(const std::string& name);
    std::string getSchool() const;
    void setSchool(const std::string& school);
    std::string getGender() const;
    void setGender(const std::string& gender);
    int getAge() const;
    void setAge(int age);
};

}  // namespace Vortane
