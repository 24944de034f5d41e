"""A club fighter who circles, switches feet and throws the axe kick."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.3, error=0.12, kicks=(9, 10, 16, 17, 11, 18, 12), block=0.40, circle=0.25, switch=0.08,
                        patience=1.2, eager=1.0)
