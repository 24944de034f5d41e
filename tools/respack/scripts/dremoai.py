"""A showy fighter who loves spinning and jumping kicks and jumps through a guard; a fair eye and
fair defence, a club fighter's strength."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.2, error=0.15, kicks=(9, 10, 11, 12, 16, 17, 18, 34, 25, 26, 36, 49, 48),
                        block=0.4, read=0.55, counter=0.35, favour=(34, 25, 26, 36, 49, 48), rest=0.3, aim=0.5,
                        through=0.7, hesitate=0.22, footwork=0.25, press=0.4, patience=1.3, eager=0.8)
