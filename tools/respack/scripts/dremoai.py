"""A showy strong fighter who loves spinning and jumping kicks."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.0, error=0.0, kicks=(9, 10, 11, 12, 16, 17, 18, 34, 25, 26, 36, 49, 48), block=0.50, counter=0.5, favour=(34, 25, 26, 36, 49, 48),
                        patience=1.2, eager=0.85)
