"""The problem list every check script fills and prints."""


class Report:
    def __init__(self):
        self.problems = []
        self.checked = 0

    def check(self, ok, message):
        self.checked += 1
        if not ok:
            self.problems.append(message)
        return ok
