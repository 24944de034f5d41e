"""A club fighter who circles, switches feet and throws the axe kick."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.3, error=0.17, kicks=(9, 10, 16, 17, 11, 18, 12), block=0.35, read=0.5,
                        circle=0.2, switch=0.06, rest=0.3, counter=0.3, aim=0.5, through=0.25, hesitate=0.28,
                        footwork=0.25, press=0.35, patience=1.7, eager=0.7)
