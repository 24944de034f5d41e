#include "plugin/PersistentFighter.h"

namespace Vortane {

PersistentFighter::PersistentFighter() : PersistentObject("Fighter") {}

int PersistentFighter::getId() const { return getInt("id"); }

void PersistentFighter::setId(int id) { setInt("id", id, true, true); }

std::string PersistentFighter::getName() const { return getString("Name"); }

void PersistentFighter::setName(const std::string& name) { setString("Name", name); }

std::string PersistentFighter::getSchool() const { return getString("School"); }

void PersistentFighter::setSchool(const std::string& school) { setString("School", school); }

std::string PersistentFighter::getGender() const { return getString("Gender"); }

void PersistentFighter::setGender(const std::string& gender) { setString("Gender", gender); }

int PersistentFighter::getAge() const { return getInt("Age"); }

void PersistentFighter::setAge(int age) { setInt("Age", age, false, true); }

}  // namespace Vortane
